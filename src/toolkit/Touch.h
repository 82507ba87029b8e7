#pragma once
#include <QList>
#include <QPointF>

// One finger on the screen. `pos` is in the coordinates of whatever feeds the
// recognisers: scene coordinates on the canvas, widget coordinates on a
// widget.
struct Touch {
    int id = 0;
    QPointF pos;
};
using Touches = QList<Touch>;
