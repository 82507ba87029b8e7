#include "objects/ImageView.h"

#include <QPainter>

namespace {
// Larger than any object on screen: a zoomed panel is 1280 points wide.
constexpr int kLargestShownSide = 1280;
}

ImageView::ImageView(const QRectF &frame)
    : View(frame)
{
    setUserInteractionEnabled(false);
}

void ImageView::setImage(const QImage &image)
{
    m_image = image;
    if (std::max(image.width(), image.height()) > kLargestShownSide)
        _shown = image.scaled(kLargestShownSide, kLargestShownSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    else
        _shown = image;
    update();
}

void ImageView::drawContent(QPainter *painter)
{
    if (_shown.isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(boundingRect(), _shown);
}
