#include "toolkit/PaintRecording.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace {

// The metrics of an image of a format (resolution, depth), to be asked.
class ImageMetrics : public QImage
{
public:
    using QImage::QImage;
    using QImage::metric;
};

template <typename T>
QList<T> copied(const T *items, int count)
{
    return QList<T>(items, items + count);
}

template <typename Point>
void drawPolygon(QPainter &painter, const QList<Point> &points, QPaintEngine::PolygonDrawMode mode)
{
    if (mode == QPaintEngine::PolylineMode)
        painter.drawPolyline(points.data(), int(points.size()));
    else if (mode == QPaintEngine::ConvexMode)
        painter.drawConvexPolygon(points.data(), int(points.size()));
    else
        painter.drawPolygon(points.data(), int(points.size()),
                            mode == QPaintEngine::OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
}

}

// Each call becomes the same call on the replaying painter. Declaring every
// feature keeps the painter from breaking calls up for an engine that lacks
// one: what arrives here is what the painter was asked.
class PaintRecorder::Engine : public QPaintEngine
{
public:
    Engine()
        : QPaintEngine(AllFeatures)
    {
    }

    QList<PaintRecording::Call> calls;

    bool begin(QPaintDevice *) override
    {
        // Every painter starts from a painter's first state.
        add([](QPainter &p) {
            p.restore();
            p.save();
        });
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags dirty = state.state();
        // The transform first: a clip is given in the coordinates of the
        // transform that comes with it.
        if (dirty & DirtyTransform)
            add([transform = state.transform()](QPainter &p) { p.setTransform(transform); });
        if (dirty & DirtyClipRegion)
            add([region = state.clipRegion(), op = state.clipOperation()](QPainter &p) { p.setClipRegion(region, op); });
        if (dirty & DirtyClipPath)
            add([path = state.clipPath(), op = state.clipOperation()](QPainter &p) { p.setClipPath(path, op); });
        if (dirty & DirtyClipEnabled)
            add([on = state.isClipEnabled()](QPainter &p) { p.setClipping(on); });
        if (dirty & DirtyPen)
            add([pen = state.pen()](QPainter &p) { p.setPen(pen); });
        if (dirty & DirtyBrush)
            add([brush = state.brush()](QPainter &p) { p.setBrush(brush); });
        if (dirty & DirtyBrushOrigin)
            add([origin = state.brushOrigin()](QPainter &p) { p.setBrushOrigin(origin); });
        if (dirty & DirtyBackground)
            add([brush = state.backgroundBrush()](QPainter &p) { p.setBackground(brush); });
        if (dirty & DirtyBackgroundMode)
            add([mode = state.backgroundMode()](QPainter &p) { p.setBackgroundMode(mode); });
        if (dirty & DirtyHints)
            add([hints = state.renderHints()](QPainter &p) {
                p.setRenderHints(~hints, false);
                p.setRenderHints(hints);
            });
        if (dirty & DirtyCompositionMode)
            add([mode = state.compositionMode()](QPainter &p) { p.setCompositionMode(mode); });
        if (dirty & DirtyOpacity)
            add([opacity = state.opacity()](QPainter &p) { p.setOpacity(opacity); });
    }

    void drawRects(const QRect *rects, int count) override
    {
        add([r = copied(rects, count)](QPainter &p) { p.drawRects(r.data(), int(r.size())); });
    }
    void drawRects(const QRectF *rects, int count) override
    {
        add([r = copied(rects, count)](QPainter &p) { p.drawRects(r.data(), int(r.size())); });
    }
    void drawLines(const QLine *lines, int count) override
    {
        add([l = copied(lines, count)](QPainter &p) { p.drawLines(l.data(), int(l.size())); });
    }
    void drawLines(const QLineF *lines, int count) override
    {
        add([l = copied(lines, count)](QPainter &p) { p.drawLines(l.data(), int(l.size())); });
    }
    void drawEllipse(const QRectF &r) override
    {
        add([r](QPainter &p) { p.drawEllipse(r); });
    }
    void drawEllipse(const QRect &r) override
    {
        add([r](QPainter &p) { p.drawEllipse(r); });
    }
    void drawPath(const QPainterPath &path) override
    {
        add([path](QPainter &p) { p.drawPath(path); });
    }
    void drawPoints(const QPointF *points, int count) override
    {
        add([pts = copied(points, count)](QPainter &p) { p.drawPoints(pts.data(), int(pts.size())); });
    }
    void drawPoints(const QPoint *points, int count) override
    {
        add([pts = copied(points, count)](QPainter &p) { p.drawPoints(pts.data(), int(pts.size())); });
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        add([pts = copied(points, count), mode](QPainter &p) { ::drawPolygon(p, pts, mode); });
    }
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override
    {
        add([pts = copied(points, count), mode](QPainter &p) { ::drawPolygon(p, pts, mode); });
    }
    void drawImage(const QRectF &r, const QImage &image, const QRectF &sr, Qt::ImageConversionFlags flags) override
    {
        add([r, image, sr, flags](QPainter &p) { p.drawImage(r, image, sr, flags); });
    }
    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &sr) override
    {
        // A pixmap is the interface thread's alone: its picture goes instead.
        add([r, image = pixmap.toImage(), sr](QPainter &p) { p.drawImage(r, image, sr); });
    }
    void drawTextItem(const QPointF &baseline, const QTextItem &item) override
    {
        // Laid out again as the item was, and drawn as the item would be:
        // in its own font at its own resolution (a painter's setFont would
        // take the font's unset properties from the device's font and give
        // it the device's resolution). Its decorations come as calls of
        // their own.
        QFont font = item.font();
        font.setUnderline(false);
        font.setOverline(false);
        font.setStrikeOut(false);
        add([baseline, text = item.text(), font](QPainter &p) {
            QTextLayout layout(text, font);
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            line.draw(&p, baseline - QPointF(0, line.ascent()));
        });
    }

private:
    template <typename F>
    void add(F &&call)
    {
        calls.append(std::forward<F>(call));
    }
};

void PaintRecording::replay(QPainter &painter) const
{
    if (!m_calls)
        return;
    painter.save();
    for (const Call &call : *m_calls)
        call(painter);
    painter.restore();
}

QImage PaintRecording::toImage() const
{
    if (isNull())
        return QImage();
    QImage image(m_size, m_format);
    if (image.isNull())
        return image;
    image.fill(m_background);
    QPainter painter(&image);
    replay(painter);
    return image;
}

PaintRecorder::PaintRecorder(const QSize &size, QImage::Format format, const QColor &background)
    : m_size(size)
    , m_format(format)
    , m_background(background)
    , m_engine(std::make_unique<Engine>())
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine *PaintRecorder::paintEngine() const { return m_engine.get(); }

PaintRecording PaintRecorder::recording() const
{
    PaintRecording recording;
    recording.m_size = m_size;
    recording.m_format = m_format;
    recording.m_background = m_background;
    recording.m_calls = std::make_shared<const QList<PaintRecording::Call>>(m_engine->calls);
    return recording;
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    const ImageMetrics image(1, 1, m_format);
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 1000.0 / image.dotsPerMeterX());
    case PdmHeightMM:
        return qRound(m_size.height() * 1000.0 / image.dotsPerMeterY());
    default:
        return image.metric(metric);
    }
}
