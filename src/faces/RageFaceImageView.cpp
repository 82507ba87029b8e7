#include "faces/RageFaceImageView.h"

#include "toolkit/GestureRecognizer.h"
#include "toolkit/Pasteboard.h"

#include <QPainter>

namespace {
constexpr double kCopyPressDuration = 0.5;
}

RageFaceImageView::RageFaceImageView(const QImage &image)
    : View(QRectF(QPointF(0, 0), image.size()))
    , m_image(image)
{
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
    Pasteboard::setImage(m_image);
    emit imageCopied();
}

void RageFaceImageView::drawContent(QPainter *painter)
{
    if (m_image.isNull())
        return;
    const QRectF area = boundingRect();
    QRectF target(QPointF(0, 0), QSizeF(m_image.size()).scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, m_image);
}
