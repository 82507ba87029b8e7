#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>

class View;

// Pictures of the comic drawn from its panel views as they are stored, not
// as the editor shows them for the moment: every panel at its place in the
// canvas (a zoomed panel unzoomed), objects at full opacity without a
// selection border, objects on their way out left out.
namespace ComicPicture {

// The part of the canvas (in canvas points) drawn into an image this size.
QImage render(const QList<View *> &panels, const QRectF &canvasArea, const QSize &size);

// One object as it shows in its panel (rotated, flipped), on a transparent
// background the size of its frame, at twice its size in points.
QImage objectPicture(View *object);

// The JPEG thumbnail of a manual save: 80 points wide, the first two rows
// from the canvas's vertical scroll offset at an eighth of their size (80 x
// 30 for one row, 80 x 60 for more). Null without rows.
QByteArray thumbnail(const QList<View *> &panels, int rows, double scrollOffsetY);

}
