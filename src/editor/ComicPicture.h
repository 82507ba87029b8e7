#pragma once
#include "toolkit/PaintRecording.h"

#include <QByteArray>
#include <QImage>
#include <QList>

class QPaintDevice;
class View;

// Pictures of the comic drawn from its panel views as they are stored, not
// as the editor shows them for the moment: every panel at its place in the
// canvas (a zoomed panel unzoomed), objects at full opacity without a
// selection border, objects on their way out left out.
namespace ComicPicture {

// The part of the canvas (in canvas points) drawn into an image this size.
QImage render(const QList<View *> &panels, const QRectF &canvasArea, const QSize &size);

// The whole comic of `rows` rows as one opaque picture, `scale` pixels a
// point (640 x 240 a row at 1): every panel with its edge, its objects cut
// at it, and a black frame of 2 points inside the picture's own edges.
// Null when no picture that tall can be had: taller than a painter draws
// (kLargestComicSide), or its memory was refused.
QImage comic(const QList<View *> &panels, int rows, int scale = 1);
inline constexpr int kLargestComicSide = 32767;

// That picture recorded from the views as they are now, to be painted
// later on any thread (toImage() gives comic()); quick where painting it is
// not. Null when the comic is too tall.
PaintRecording record(const QList<View *> &panels, int rows, int scale = 1);

// The comic painted onto a white device of its size.
void paintComic(QPaintDevice *device, const QList<View *> &panels, int rows, int scale = 1);

// One object as it shows in its panel (rotated, flipped), on a transparent
// background the size of its frame, at twice its size in points.
QImage objectPicture(View *object);

// The JPEG thumbnail of a manual save: 80 points wide, the first two rows
// from the canvas's vertical scroll offset at an eighth of their size (80 x
// 30 for one row, 80 x 60 for more). Made in two steps, so that only the
// first runs on the interface thread: the drawing from the views (null
// without rows), then, from that frozen copy on any thread, the JPEG (null
// for a null drawing).
QImage thumbnailDrawing(const QList<View *> &panels, int rows, double scrollOffsetY);
QByteArray thumbnailJpeg(const QImage &drawing);

}
