#include "ui/NotificationStyle.h"

namespace {
constexpr qreal kMargin = 10; // distance from the screen edge at rest
}

NotificationStyle::Motion NotificationStyle::motion(int style)
{
    switch (style) {
    case 0: case 1: case 2: return Motion::Fade;
    case 3: case 4: return Motion::Slide;
    case 5: case 6: case 7: return Motion::Zoom;
    default: return Motion::None;
    }
}

bool NotificationStyle::startY(int style, qreal containerHeight, qreal bannerHeight, qreal *y)
{
    switch (style) {
    case 0: case 5: *y = containerHeight - bannerHeight / 2 - kMargin; return true;
    case 1: case 6: *y = containerHeight / 2; return true;
    case 2: case 7: *y = bannerHeight / 2 + kMargin; return true;
    case 3: *y = containerHeight + bannerHeight / 2; return true;
    case 4: *y = -bannerHeight / 2; return true;
    default: return false;
    }
}

qreal NotificationStyle::slideBy(int style, qreal bannerHeight)
{
    if (style == 3)
        return -(bannerHeight + kMargin);
    if (style == 4)
        return bannerHeight + kMargin;
    return 0;
}
