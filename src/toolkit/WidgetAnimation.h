#pragma once
#include <QRect>

class QWidget;

// Frames and alpha of ordinary widgets (toolbars, buttons, the face strip)
// with the same model/drawing split as views: the value set is final at once,
// and inside an animation block the widget moves or fades into it.
namespace WidgetAnimation {
QRect frame(const QWidget *widget);
void setFrame(QWidget *widget, const QRect &frame);
double alpha(const QWidget *widget);
// At alpha 0 the widget is hidden, so it takes no touches, as a fully
// transparent view does not.
void setAlpha(QWidget *widget, double alpha);
}
