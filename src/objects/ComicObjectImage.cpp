#include "objects/ComicObjectImage.h"

#include "objects/ImageView.h"
#include "storage/PictureRows.h"
#include "storage/UserDatabase.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// The picture stored in a comicData row, read on a worker thread (a handle
// of its own); a null image without one.
QImage storedPicture(const QString &databasePath, int databaseId)
{
    QByteArray png;
    PictureRows::read(databasePath, {databaseId}, [&png](const PictureRows::Row &row) { png = row.data; });
    return QImage::fromData(png, "PNG");
}
}

ComicObjectImage::ComicObjectImage(const QRectF &frame)
    : ComicObject(frame, DeferInitialize{})
{
    initialize();
}

void ComicObjectImage::initialize()
{
    ComicObject::initialize();
    auto *imageView = new ImageView(QRectF(QPointF(0, 0), bounds().size()));
    imageView->setAutoresizesWithSuperview(true);
    setImageView(imageView);
}

ImageView *ComicObjectImage::imageView() const { return m_imageView; }

void ComicObjectImage::setImageView(ImageView *imageView)
{
    if (m_imageView == imageView)
        return;
    delete m_imageView.data();
    m_imageView = imageView;
    if (imageView) {
        addSubview(imageView);
        connect(imageView, &ImageView::largerPictureWanted, this, &ComicObjectImage::readPictureAgain);
    }
}

QImage ComicObjectImage::image() const { return m_imageView ? m_imageView->image() : QImage(); }

void ComicObjectImage::setImage(const QImage &image, const QImage &kept)
{
    if (m_imageView)
        m_imageView->setImage(image, kept);
}

void ComicObjectImage::readPictureAgain()
{
    // Made larger than what its view keeps: the stored picture, in full,
    // gives the view what it needs for its new size.
    if (databaseId() <= 0)
        return;
    auto *reading = new QFutureWatcher<QImage>(this);
    connect(reading, &QFutureWatcher<QImage>::finished, this, [this, reading] {
        const QImage picture = reading->result();
        if (!picture.isNull())
            setImage(picture);
        reading->deleteLater();
    });
    reading->setFuture(QtConcurrent::run([write = pictureWrite(), path = UserDatabase::path(), id = databaseId()] {
        QFuture<void>(write).waitForFinished(); // a row still being written
        return storedPicture(path, id);
    }));
}
