#pragma once
#include "objects/ComicObject.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointer>

// A free-hand drawing in a panel: a transparent bitmap covering the object
// on which, in drawing mode, finger moves paint strokes with rounded ends
// (or erase them with the same brush). The bitmap has one pixel per point of
// the object's own space, so a stroke lands under the finger whatever the
// object's rotation or flip and the panel's zoom. Outside drawing mode the
// drawing is an object like any other. Its picture lives as PNG in a
// comicData row of the user database, whose id the object carries; the
// editor stores it there.
//
// The bitmap is kept from one stroke to the next and each segment is painted
// into it, so a segment costs the same on any size of drawing. A drawing
// resized since its last stroke has its bitmap scaled to the new size at the
// next segment; a huge drawing keeps its geometry but its bitmap is capped.
class ComicObjectDrawing : public ComicObject
{
    Q_OBJECT
public:
    // The largest bitmap: a side, and an area (16 MB of pixels).
    static constexpr int kMaxBitmapSide = 4096;
    static constexpr double kMaxBitmapPixels = 4096.0 * 1024;

    // A drawing made by the editor starts in drawing mode.
    explicit ComicObjectDrawing(const QRectF &frame = QRectF());

    bool isInDrawingMode() const override { return m_inDrawingMode; }
    void setInDrawingMode(bool inDrawingMode) { m_inDrawingMode = inDrawingMode; }
    bool offersEditButton() const override { return !m_inDrawingMode; }

    double brushSize() const { return m_brushSize; }
    void setBrushSize(double brushSize) { m_brushSize = brushSize; }
    // Invalid until the editor sets the brush (a decoded drawing).
    QColor brushColor() const { return m_brushColor; }
    void setBrushColor(const QColor &brushColor) { m_brushColor = brushColor; }
    bool erase() const { return m_erase; }
    void setErase(bool erase) { m_erase = erase; }
    QPointF currentPoint() const { return m_currentPoint; }
    QPointF previousPoint1() const { return m_previousPoint1; }

    // The picture: null before the first stroke of a new drawing.
    QImage bitmap() const { return m_bitmap; }
    // A picture read back from the drawing's row; shown scaled over the
    // object until the next stroke.
    void setBitmap(const QImage &bitmap);
    // The view that shows the bitmap, the object's only child.
    View *imageView() const { return m_imageView; }

    // The PNG of the bitmap; empty while there is none.
    QByteArray pngData() const;

    // Ends drawing mode first (the editor finishes the drawing).
    void deselect() override;

    // In drawing mode every move of a finger paints one straight segment
    // from where it was to where it is.
    void touchesBegan(const Touches &touches) override;
    void touchesMoved(const Touches &touches) override;
    void touchesEnded(const Touches &touches) override;
    void touchesCancelled(const Touches &touches) override;

    // The size of bitmap a drawing of this size in points gets: one pixel
    // per point, within the caps.
    static QSize bitmapSizeFor(const QSizeF &points);

protected:
    void initialize() override;

private:
    // Paints the segment (object points) into the bitmap and repaints its
    // box on screen.
    void paintSegment(const QPointF &from, const QPointF &to);
    // A bitmap of the size the bounds call for, the old picture scaled in.
    void fitBitmapToBounds();

    QPointF m_currentPoint;
    QPointF m_previousPoint1;
    QPointer<View> m_imageView;
    bool m_inDrawingMode = true;
    double m_brushSize = 0;
    QColor m_brushColor;
    bool m_erase = false;
    QImage m_bitmap;
    // Where each finger was at its last event, in scene points.
    QHash<int, QPointF> _fingers;
};
