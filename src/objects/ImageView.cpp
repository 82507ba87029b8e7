#include "objects/ImageView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// A zoomed panel shows its objects at twice their size.
constexpr double kLargestShownScale = 2.0;

constexpr QImage::Format kPaintingFormat = QImage::Format_ARGB32_Premultiplied;

thread_local ImageView::Sharing *t_sharing = nullptr;

// The picture's size scaled down (never up) so that it covers `wanted`
// pixels on both axes, its aspect ratio kept. Nothing wanted yet (a view of
// no size): all of it.
QSize keptSize(const QSize &picture, const QSizeF &wanted)
{
    const double factor = std::max(wanted.width() / picture.width(), wanted.height() / picture.height());
    if (!(factor > 0 && factor < 1))
        return picture;
    return QSize(std::max(1, int(std::ceil(picture.width() * factor))),
                 std::max(1, int(std::ceil(picture.height() * factor))));
}

// The picture at its kept size, in the painting format.
QImage kept(const QImage &picture, const QSizeF &wanted)
{
    const QSize size = keptSize(picture.size(), wanted);
    if (size != picture.size())
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(kPaintingFormat);
    // A picture that many objects show is converted once (see Sharing).
    return t_sharing ? t_sharing->painted(picture) : picture.convertToFormat(kPaintingFormat);
}
}

QImage ImageView::keptPicture(const QImage &picture, const QSizeF &viewSize)
{
    return picture.isNull() ? QImage() : kept(picture, viewSize * kLargestShownScale);
}

ImageView::Sharing::Sharing()
    : m_outer(std::exchange(t_sharing, this))
{
}

ImageView::Sharing::~Sharing() { t_sharing = m_outer; }

QImage ImageView::Sharing::painted(const QImage &picture)
{
    QImage &painted = m_painted[picture.cacheKey()];
    if (painted.isNull())
        painted = picture.convertToFormat(kPaintingFormat);
    return painted;
}

ImageView::ImageView(const QRectF &frame)
    : View(frame)
{
    setUserInteractionEnabled(false);
    setCacheMode(DeviceCoordinateCache);
}

void ImageView::setImage(const QImage &image, const QImage &made)
{
    m_pictureSize = image.size();
    const QSizeF wanted = (bounds().size() * kLargestShownScale).expandedTo(_largestShown);
    const bool madeFits = made.format() == kPaintingFormat && made.size() == keptSize(image.size(), wanted);
    m_image = image.isNull() ? QImage() : madeFits ? made : kept(image, wanted);
    _largerWanted = false;
    update();
}

void ImageView::keepForScale(double scale) { _largestShown = _largestShown.expandedTo(bounds().size() * scale); }

void ImageView::drawContent(QPainter *painter)
{
    if (m_image.isNull())
        return;
    const QRectF area = boundingRect();
    const QTransform toDevice = painter->deviceTransform();
    const QSizeF shown(area.width() * std::hypot(toDevice.m11(), toDevice.m12()),
                       area.height() * std::hypot(toDevice.m21(), toDevice.m22()));
    _largestShown = _largestShown.expandedTo(shown);
    const bool keptSmaller = m_image.width() < m_pictureSize.width();
    if (keptSmaller && !_largerWanted && (shown.width() > m_image.width() + 1 || shown.height() > m_image.height() + 1)) {
        _largerWanted = true;
        emit largerPictureWanted();
    }
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(area, m_image);
}
