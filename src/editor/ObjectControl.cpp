#include "editor/ObjectControl.h"

#include <QPainter>
#include <QPainterPath>

ObjectControl::ObjectControl(Kind kind)
    : View(QRectF(0, 0, kSize, kSize))
    , m_kind(kind)
{
}

void ObjectControl::drawContent(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF badge = bounds().adjusted(3, 3, -3, -3);
    const QColor fill = m_kind == Kind::Delete ? QColor(0xd7, 0x26, 0x26) : QColor(0x1f, 0x6f, 0xd1);
    painter->setPen(QPen(Qt::white, 2));
    painter->setBrush(fill);
    painter->drawEllipse(badge);

    const QPointF c = badge.center();
    QPen line(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter->setPen(line);
    painter->setBrush(Qt::NoBrush);
    switch (m_kind) {
    case Kind::Delete:
        painter->drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        painter->drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
        break;
    case Kind::Resize: {
        // A diagonal double arrow towards the bottom-right corner.
        painter->drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        painter->drawPolyline(QPolygonF({c + QPointF(-5, 0), c + QPointF(-5, -5), c + QPointF(0, -5)}));
        painter->drawPolyline(QPolygonF({c + QPointF(5, 0), c + QPointF(5, 5), c + QPointF(0, 5)}));
        break;
    }
    case Kind::Rotate: {
        // Three quarters of a circle with an arrow head at its end.
        const QRectF arc(c - QPointF(6, 6), QSizeF(12, 12));
        painter->drawArc(arc, 90 * 16, 270 * 16);
        painter->drawPolyline(QPolygonF({c + QPointF(-3, -9), c + QPointF(0, -6), c + QPointF(-3, -3)}));
        break;
    }
    case Kind::EditText: {
        // A pencil.
        QPainterPath pencil;
        pencil.moveTo(c + QPointF(-6, 6));
        pencil.lineTo(c + QPointF(-5, 2));
        pencil.lineTo(c + QPointF(3, -6));
        pencil.lineTo(c + QPointF(6, -3));
        pencil.lineTo(c + QPointF(-2, 5));
        pencil.closeSubpath();
        painter->drawPath(pencil);
        break;
    }
    }
}
