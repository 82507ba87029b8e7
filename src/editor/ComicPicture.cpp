#include "editor/ComicPicture.h"

#include "editor/EditorLayout.h"
#include "objects/ComicObject.h"

#include <QBuffer>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {
constexpr int kThumbnailWidth = 80;
constexpr int kThumbnailRowHeight = 30;
constexpr int kThumbnailRows = 2;
constexpr int kJpegQuality = 100;
constexpr int kThumbnailOversampling = 4;
constexpr double kObjectPictureScale = 2.0;
constexpr double kComicFrameWidth = 2.0;

// What is not a view (a border, the text of a text view) is drawn as the
// scene would draw it, in its place.
void drawItem(QPainter &painter, QGraphicsItem *item, const View *parent)
{
    QStyleOptionGraphicsItem option;
    option.exposedRect = item->boundingRect();
    painter.save();
    painter.setTransform(item->itemTransform(parent), true);
    item->paint(&painter, &option, nullptr);
    painter.restore();
}

void draw(QPainter &painter, View *view)
{
    auto *object = qobject_cast<ComicObject *>(view);
    if (view->isHidden() || (object && object->isBeingRemoved()))
        return;
    painter.save();
    // A selection dims the other objects of its panel; the comic does not.
    if (!object)
        painter.setOpacity(painter.opacity() * view->alpha());
    view->paint(&painter, nullptr, nullptr);
    if (view->clipsToBounds())
        painter.setClipRect(view->bounds(), Qt::IntersectClip);
    for (View *child : view->subviews()) {
        painter.save();
        painter.setTransform(child->toParent(), true);
        draw(painter, child);
        painter.restore();
    }
    // The border (drawn above the children); an object's is its selection.
    if (!object)
        for (QGraphicsItem *item : view->childItems())
            if (!qgraphicsitem_cast<View *>(item))
                drawItem(painter, item, view);
    painter.restore();
}

// The part of the canvas (in canvas points) painted onto a white device of
// this size.
void paint(QPainter &painter, const QList<View *> &panels, const QRectF &canvasArea, const QSize &size)
{
    if (canvasArea.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(size.width() / canvasArea.width(), size.height() / canvasArea.height());
    painter.translate(-canvasArea.topLeft());
    for (View *panel : panels) {
        // At rest: its centre and bounds, whatever zoom it shows now.
        const QSizeF s = panel->bounds().size();
        const QRectF frame(panel->center() - QPointF(s.width() / 2, s.height() / 2), s);
        if (!frame.intersects(canvasArea))
            continue;
        painter.save();
        painter.translate(frame.topLeft() - panel->bounds().topLeft());
        draw(painter, panel);
        painter.restore();
    }
    painter.restore();
}

QSize comicSize(int rows, int scale)
{
    return (QSizeF(EditorLayout::kCanvasWidth, EditorLayout::kRowHeight * rows) * scale).toSize();
}
}

QImage ComicPicture::render(const QList<View *> &panels, const QRectF &canvasArea, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, panels, canvasArea, size);
    return image;
}

void ComicPicture::paintComic(QPaintDevice *device, const QList<View *> &panels, int rows, int scale)
{
    const QSize size = comicSize(rows, scale);
    QPainter painter(device);
    paint(painter, panels, QRectF(0, 0, EditorLayout::kCanvasWidth, EditorLayout::kRowHeight * rows), size);
    const int w = qRound(kComicFrameWidth * scale);
    for (const QRect &edge : {QRect(0, 0, size.width(), w), QRect(0, size.height() - w, size.width(), w),
                              QRect(0, 0, w, size.height()), QRect(size.width() - w, 0, w, size.height())})
        painter.fillRect(edge, Qt::black);
}

PaintRecording ComicPicture::record(const QList<View *> &panels, int rows, int scale)
{
    const QSize size = comicSize(rows, scale);
    if (size.isEmpty() || size.height() > kLargestComicSide)
        return PaintRecording();
    PaintRecorder recorder(size, QImage::Format_RGB32, Qt::white);
    paintComic(&recorder, panels, rows, scale);
    return recorder.recording();
}

QImage ComicPicture::comic(const QList<View *> &panels, int rows, int scale)
{
    return record(panels, rows, scale).toImage();
}

QImage ComicPicture::objectPicture(View *object)
{
    const QRectF frame = object->frame();
    const QSize size = (frame.size() * kObjectPictureScale).toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(kObjectPictureScale, kObjectPictureScale);
    painter.translate(-frame.topLeft());
    painter.setTransform(object->toParent(), true);
    draw(painter, object);
    return image;
}

QImage ComicPicture::thumbnailDrawing(const QList<View *> &panels, int rows, double scrollOffsetY)
{
    if (rows <= 0)
        return QImage();
    const int height = kThumbnailRowHeight * std::min(rows, kThumbnailRows);
    const double scale = kThumbnailWidth / EditorLayout::kCanvasWidth;
    const QRectF area(0, scrollOffsetY, EditorLayout::kCanvasWidth, height / scale);
    // Drawn larger and scaled down smoothly: faces of 256 pixels drawn at
    // an eighth of their size directly would lose their lines.
    return render(panels, area, QSize(kThumbnailWidth, height) * kThumbnailOversampling);
}

QByteArray ComicPicture::thumbnailJpeg(const QImage &drawing)
{
    if (drawing.isNull())
        return QByteArray();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    drawing.scaled(drawing.size() / kThumbnailOversampling, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(&buffer, "JPEG", kJpegQuality);
    return jpeg;
}
