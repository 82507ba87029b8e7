#include "faces/RageFaceImageView.h"

#include "toolkit/GestureRecognizer.h"
#include "toolkit/Pasteboard.h"

#include <QPainter>

namespace {
constexpr double kCopyPressDuration = 0.5;
}

RageFaceImageView::RageFaceImageView(const QImage &image)
    : View(QRectF(QPointF(0, 0), image.size()))
    , m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied))
{
    setUp();
}

RageFaceImageView::RageFaceImageView(const QString &thumbnailPath)
    : _thumbnailToRead(thumbnailPath)
{
    setUp();
}

QImage RageFaceImageView::image() const
{
    if (!_thumbnailToRead.isEmpty()) {
        // Read in the painting format, so that drawing it is a plain copy.
        m_image = QImage(std::exchange(_thumbnailToRead, {})).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return m_image;
}

void RageFaceImageView::setUp()
{
    setCacheMode(DeviceCoordinateCache);
    setBackgroundColor(Qt::white);
    setUserInteractionEnabled(true);
    auto *press = new LongPressGestureRecognizer([this](GestureRecognizer *r) { longPress(r); });
    press->setMinimumPressDuration(kCopyPressDuration);
    addGestureRecognizer(press);
}

void RageFaceImageView::longPress(GestureRecognizer *recognizer)
{
    if (recognizer->state() != GestureState::Began)
        return;
    Pasteboard::setImage(image());
    emit imageCopied();
}

void RageFaceImageView::drawContent(QPainter *painter)
{
    const QImage thumbnail = image();
    if (thumbnail.isNull())
        return;
    const QRectF area = boundingRect();
    QRectF target(QPointF(0, 0), QSizeF(thumbnail.size()).scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, thumbnail);
}
