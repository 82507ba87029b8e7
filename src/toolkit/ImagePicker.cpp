#include "toolkit/ImagePicker.h"

#include "toolkit/CameraScreen.h"
#include "toolkit/ImageFiles.h"
#include "toolkit/ModalScreen.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QStandardPaths>
#include <QWindow>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// The file dialog of the window `parent`: made at its first pick, then kept
// hidden between picks for as long as the window lives, since a QFileDialog
// that is deleted writes Qt's dialog settings and syncs them to the disk,
// which would hold the interface thread up after every pick. Without a
// window it goes when it closes.
QFileDialog *fileDialog(QWidget *parent)
{
    const QString name = QStringLiteral("pictureChooser");
    if (auto *kept = parent ? parent->findChild<QFileDialog *>(name, Qt::FindDirectChildrenOnly) : nullptr)
        return kept;
    auto *dialog = new QFileDialog(parent, ImagePicker::tr("Choose a Picture"), QString(),
                                   ImagePicker::tr("Images (%1)").arg(ImageFiles::nameFilters().join(' ')));
    dialog->setObjectName(name);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose, !parent);
    // Qt's own dialog: a window that code can close at any time and that
    // blocks nothing, which the desktop's native dialogs do not promise.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowModality(Qt::NonModal);
    return dialog;
}
}

bool ImagePicker::isSourceTypeAvailable(SourceType sourceType)
{
    return sourceType == SourceType::PhotoLibrary || CameraScreen::hasCamera();
}

ImagePicker::ImagePicker(SourceType sourceType, QWidget *parent)
    : QObject(parent)
    , m_sourceType(sourceType)
    , m_parent(parent)
{
    connect(&m_reading, &QFutureWatcher<QImage>::finished, this, [this] {
        const QImage image = m_reading.result();
        const QPointer<ImagePicker> self(this); // a receiver may delete it
        if (image.isNull())
            emit didFailToOpen(_pendingPath);
        else
            emit didFinishPickingImage(image);
        if (self)
            emit finished();
    });
}

ImagePicker::~ImagePicker()
{
    // A read still running finishes unheard; a camera shown goes with its
    // popover or modal screen.
    if (m_dialog)
        releaseDialog();
}

QWidget *ImagePicker::window() const { return m_dialog; }

CameraScreen *ImagePicker::cameraScreen() const { return m_camera; }

void ImagePicker::open()
{
    if (!isSourceTypeAvailable(m_sourceType)) {
        emit didCancel();
        emit finished();
        return;
    }
    if (m_sourceType == SourceType::Camera)
        return openCamera();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog *dialog = fileDialog(m_parent);
    // Every pick starts there, with no file chosen.
    dialog->setDirectory(folder);
    dialog->selectFile(QString());
    dialog->installEventFilter(this);
    connect(dialog, &QFileDialog::fileSelected, this, &ImagePicker::deliverPath);
    connect(dialog, &QFileDialog::rejected, this, &ImagePicker::dialogRejected);
    m_dialog = dialog;
    m_closedByCode = false;
    dialog->show();
    // In front, with the keyboard, so a path can be typed at once.
    dialog->raise();
    dialog->activateWindow();
}

void ImagePicker::openCamera()
{
    auto *camera = new CameraScreen;
    connect(camera, &CameraScreen::stillCaptured, this, &ImagePicker::didFinishPickingImage);
    // After it was presented, even when it fails at once.
    connect(camera, &CameraScreen::failed, this, &ImagePicker::cameraDidFail, Qt::QueuedConnection);
    connect(camera, &QObject::destroyed, this, &ImagePicker::finished);
    m_camera = camera;
}

void ImagePicker::dismiss()
{
    if (m_dialog)
        m_dialog->close();
    if (m_camera)
        ModalScreen::dismissEnclosing(m_camera, true);
}

bool ImagePicker::eventFilter(QObject *, QEvent *event)
{
    // Only the dialog is watched. A close the window system did not send came
    // from code: the dialog's rejection that follows is no cancel of the user's.
    if (event->type() == QEvent::Close && !event->spontaneous())
        m_closedByCode = true;
    // Going with the keyboard (in it, or in a list it popped up), it hands
    // it back to the window below.
    if (event->type() == QEvent::Hide && m_parent) {
        QWindow *keyboard = QGuiApplication::focusWindow();
        if (keyboard && keyboard != m_parent->window()->windowHandle())
            m_parent->window()->activateWindow();
    }
    return false;
}

void ImagePicker::releaseDialog()
{
    m_dialog->disconnect(this);
    // The list of names its file name field offered goes with it.
    for (QCompleter *completer : m_dialog->findChildren<QCompleter *>())
        completer->popup()->hide();
    m_dialog->close();
    if (m_dialog)
        m_dialog->removeEventFilter(this);
    m_dialog = nullptr;
}

void ImagePicker::dialogRejected()
{
    const bool cancelled = !m_closedByCode;
    releaseDialog();
    const QPointer<ImagePicker> self(this); // a receiver may delete it
    if (cancelled)
        emit didCancel();
    if (self)
        emit finished();
}

void ImagePicker::deliverPath(const QString &path)
{
    // Chosen: the dialog's rejection on closing is not a cancel.
    if (m_dialog)
        releaseDialog();
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
