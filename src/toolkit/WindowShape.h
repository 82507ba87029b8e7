#pragma once
#include <QRegion>

class QWidget;

// Shapes a top-level window to a region: only the region shows and takes
// input, and the windows below show and take it elsewhere, even where no
// compositing manager makes transparent pixels see-through. Window systems
// with shaped windows (X11, Wayland, Windows, macOS) do it; the others
// (offscreen, framebuffers) have no windows below to show and would only
// warn, so there the window keeps its rectangle.
namespace WindowShape {
bool isSupported();
// An empty region shows nothing of the window (not, as an empty mask would,
// all of it).
void setShape(QWidget *window, const QRegion &region);
}
