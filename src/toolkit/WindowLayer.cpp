#include "toolkit/WindowLayer.h"

#include <QWidget>

namespace {
const char *kLayer = "panelryWindowLayer";

// The child of the window that holds `widget` (the widget itself when it
// is one).
const QWidget *windowChild(const QWidget *widget)
{
    while (widget && widget->parentWidget() && !widget->parentWidget()->isWindow())
        widget = widget->parentWidget();
    return widget;
}
}

void WindowLayer::raise(QWidget *widget, Layer layer)
{
    widget->setProperty(kLayer, int(layer));
    widget->raise();
    QWidget *window = widget->parentWidget();
    if (!window)
        return;
    // Siblings of higher layers come back on top, keeping their order.
    const QObjectList siblings = window->children();
    for (QObject *sibling : siblings)
        if (sibling->isWidgetType() && sibling != widget && of(static_cast<QWidget *>(sibling)) > layer)
            static_cast<QWidget *>(sibling)->raise();
}

WindowLayer::Layer WindowLayer::of(const QWidget *widget)
{
    const QWidget *child = windowChild(widget);
    return child ? Layer(child->property(kLayer).toInt()) : Content;
}
