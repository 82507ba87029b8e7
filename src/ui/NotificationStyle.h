#pragma once
#include <QtGlobal>

// Where a banner of each style starts, rests and how it moves (styles 0..7).
// Positions are banner centres in the container; x is always the middle.
//   0 bottom, 1 centre, 2 top: fade in and out in place
//   3 from below the bottom edge, 4 from above the top edge: slide in and back
//   5, 6, 7 as 0, 1, 2, also growing from a tenth of the size as they fade in
namespace NotificationStyle {

enum class Motion { None, Fade, Slide, Zoom };

Motion motion(int style);

// Centre y at the start; false for a style outside 0..7, which stays where
// it was laid out.
bool startY(int style, qreal containerHeight, qreal bannerHeight, qreal *y);

// How far a sliding style travels in y when it appears (up is negative).
qreal slideBy(int style, qreal bannerHeight);

}
