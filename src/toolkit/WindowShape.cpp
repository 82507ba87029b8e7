#include "toolkit/WindowShape.h"

#include <QGuiApplication>
#include <QStringList>
#include <QWidget>

bool WindowShape::isSupported()
{
    static const bool supported = [] {
        const QString platform = QGuiApplication::platformName();
        return platform == "xcb" || platform.startsWith("wayland") || platform == "windows" || platform == "cocoa";
    }();
    return supported;
}

void WindowShape::setShape(QWidget *window, const QRegion &region)
{
    if (!isSupported())
        return;
    const QRegion mask = region.isEmpty() ? QRegion(-1, -1, 1, 1) : region;
    if (mask != window->mask())
        window->setMask(mask);
}
