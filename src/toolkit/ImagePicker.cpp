#include "toolkit/ImagePicker.h"

#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

bool ImagePicker::isSourceTypeAvailable(SourceType sourceType) { return sourceType == SourceType::PhotoLibrary; }

ImagePicker::ImagePicker(SourceType sourceType, QWidget *parent)
    : QObject(parent)
    , m_sourceType(sourceType)
    , m_parent(parent)
{
    connect(&m_reading, &QFutureWatcher<QImage>::finished, this, [this] {
        const QImage image = m_reading.result();
        if (image.isNull())
            emit didFailToOpen(_pendingPath);
        else
            emit didFinishPickingImage(image);
    });
}

ImagePicker::~ImagePicker()
{
    // A read still running finishes unheard.
    if (m_dialog)
        m_dialog->deleteLater();
}

QWidget *ImagePicker::window() const { return m_dialog; }

void ImagePicker::open()
{
    if (!isSourceTypeAvailable(m_sourceType)) {
        emit didCancel();
        return;
    }
    QStringList patterns;
    for (const QByteArray &suffix : QImageReader::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(suffix);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    auto *dialog = new QFileDialog(m_parent, tr("Choose a Picture"), folder, tr("Images (%1)").arg(patterns.join(' ')));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &ImagePicker::deliverPath);
    connect(dialog, &QFileDialog::rejected, this, &ImagePicker::didCancel);
    m_dialog = dialog;
    dialog->open();
}

void ImagePicker::dismiss()
{
    if (m_dialog)
        m_dialog->close();
}

void ImagePicker::deliverPath(const QString &path)
{
    if (m_dialog) {
        // Chosen: the dialog's rejection on closing is not a cancel.
        m_dialog->disconnect(this);
        m_dialog->close();
    }
    _pendingPath = path;
    m_reading.setFuture(QtConcurrent::run(&ImagePicker::readPicture, path));
}

QImage ImagePicker::readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    // Formats that can decode at a smaller size (JPEG) do so, which is much
    // faster than decoding in full and scaling afterwards.
    if (size.isValid() && std::max(size.width(), size.height()) > kMaxSide)
        reader.setScaledSize(size.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (!image.isNull() && std::max(image.width(), image.height()) > kMaxSide)
        image = image.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}
