#include "objects/ComicObjectDrawing.h"

#include "objects/ComicObjectDelegate.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/PngData.h"

#include <QPainter>

#include <cmath>

namespace {

// Shows its drawing's bitmap stretched over its bounds. It draws the
// drawing's own image rather than a copy, so that painting a segment never
// copies the whole picture.
class BitmapView : public View
{
public:
    BitmapView(const QRectF &frame, const QImage *bitmap)
        : View(frame)
        , m_bitmap(bitmap)
    {
        setUserInteractionEnabled(false);
    }

protected:
    void drawContent(QPainter *painter) override
    {
        if (m_bitmap->isNull())
            return;
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(boundingRect(), *m_bitmap);
    }

private:
    const QImage *m_bitmap;
};

}

ComicObjectDrawing::ComicObjectDrawing(const QRectF &frame)
    : ComicObject(frame, DeferInitialize{})
{
    initialize();
}

void ComicObjectDrawing::initialize()
{
    ComicObject::initialize();
    // While drawing, finger moves paint: the object's own gestures do not
    // start.
    auto notWhileDrawing = [this](GestureRecognizer *) { return !m_inDrawingMode; };
    dragGesture()->setShouldBegin(notWhileDrawing);
    tapGesture()->setShouldBegin(notWhileDrawing);
    longGesture()->setShouldBegin(notWhileDrawing);

    auto *imageView = new BitmapView(QRectF(QPointF(0, 0), bounds().size()), &m_bitmap);
    imageView->setAutoresizesWithSuperview(true);
    addSubview(imageView);
    m_imageView = imageView;
}

QSize ComicObjectDrawing::bitmapSizeFor(const QSizeF &points)
{
    // A side that is not a positive number gets one pixel.
    const double w = points.width() >= 1 ? points.width() : 1;
    const double h = points.height() >= 1 ? points.height() : 1;
    const double scale = std::min({1.0, kMaxBitmapSide / w, kMaxBitmapSide / h, std::sqrt(kMaxBitmapPixels / (w * h))});
    return QSize(std::max(1, int(std::lround(w * scale))), std::max(1, int(std::lround(h * scale))));
}

void ComicObjectDrawing::setBitmap(const QImage &bitmap)
{
    m_bitmap = bitmap.isNull() ? QImage() : bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (m_imageView)
        m_imageView->update();
}

QByteArray ComicObjectDrawing::pngData() const { return m_bitmap.isNull() ? QByteArray() : ::pngData(m_bitmap); }

void ComicObjectDrawing::deselect()
{
    if (m_inDrawingMode && delegate())
        delegate()->finishDrawing();
    ComicObject::deselect();
}

void ComicObjectDrawing::touchesBegan(const Touches &touches)
{
    for (const Touch &touch : touches)
        _fingers.insert(touch.id, touch.pos);
}

void ComicObjectDrawing::touchesMoved(const Touches &touches)
{
    if (touches.isEmpty())
        return;
    const Touch &touch = touches.first();
    const QPointF previous = _fingers.value(touch.id, touch.pos);
    _fingers.insert(touch.id, touch.pos);
    if (!m_inDrawingMode)
        return;
    m_previousPoint1 = pointFromScene(previous);
    m_currentPoint = pointFromScene(touch.pos);
    paintSegment(m_currentPoint, m_previousPoint1);
}

void ComicObjectDrawing::touchesEnded(const Touches &touches)
{
    for (const Touch &touch : touches)
        _fingers.remove(touch.id);
}

void ComicObjectDrawing::touchesCancelled(const Touches &) { _fingers.clear(); }

void ComicObjectDrawing::fitBitmapToBounds()
{
    const QSize size = bitmapSizeFor(bounds().size());
    if (m_bitmap.size() == size)
        return;
    QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    if (!m_bitmap.isNull()) {
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size), m_bitmap);
    }
    m_bitmap = fitted;
    if (m_imageView)
        m_imageView->update();
}

void ComicObjectDrawing::paintSegment(const QPointF &from, const QPointF &to)
{
    // A brush not set yet (a decoded drawing) paints nothing, and neither
    // does a finger that did not move.
    if (m_brushSize <= 0 || (!m_erase && !m_brushColor.isValid()))
        return;
    if (!(bounds().width() > 0 && bounds().height() > 0))
        return;
    fitBitmapToBounds();
    if (from == to)
        return;

    QPainter painter(&m_bitmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // One pixel per point, unless the bitmap is capped.
    painter.scale(m_bitmap.width() / bounds().width(), m_bitmap.height() / bounds().height());
    painter.setPen(QPen(m_erase ? QColor(Qt::black) : m_brushColor, m_brushSize, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    if (m_erase)
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawLine(from, to);
    painter.end();

    // Only the segment's box, widened by the brush, is drawn again.
    const double reach = m_brushSize / 2 + 1;
    if (m_imageView)
        m_imageView->update(QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach));
}
