#include "pickers/ColorPickerParts.h"

#include "pickers/HsvColor.h"

#include <QLinearGradient>
#include <QPainter>

GradientView::GradientView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GradientView::setTheColor(const QColor &color)
{
    m_theColor = color;
    update();
}

void GradientView::paintEvent(QPaintEvent *)
{
    const HsvColor hsv = HsvColor::of(m_theColor.isValid() ? m_theColor : QColor(Qt::white));
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, HsvColor::toColor(hsv.hue, hsv.saturation, 1));
    gradient.setColorAt(1, Qt::black);
    QPainter painter(this);
    painter.fillRect(rect(), gradient);
}

ColorSwatchView::ColorSwatchView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ColorSwatchView::setSwatchColor(const QColor &color)
{
    m_swatchColor = color;
    update();
}

void ColorSwatchView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(m_swatchColor.isValid() ? m_swatchColor : QColor(Qt::white));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
}

PickerMarker::PickerMarker(Shape shape, QWidget *parent)
    : QWidget(parent)
    , m_shape(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (shape == Shape::CrossHairs)
        resize(24, 24);
    else
        resize(8, 48);
}

void PickerMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    // Dark outside, light inside: seen on any colour.
    for (const auto &[color, width] : {std::pair{QColor(Qt::black), 3.0}, std::pair{QColor(Qt::white), 1.5}}) {
        painter.setPen(QPen(color, width));
        painter.setBrush(Qt::NoBrush);
        if (m_shape == Shape::CrossHairs) {
            painter.drawEllipse(box.adjusted(4, 4, -4, -4));
            const QPointF c = box.center();
            painter.drawLine(QPointF(c.x(), box.top()), QPointF(c.x(), box.top() + 4));
            painter.drawLine(QPointF(c.x(), box.bottom() - 4), QPointF(c.x(), box.bottom()));
            painter.drawLine(QPointF(box.left(), c.y()), QPointF(box.left() + 4, c.y()));
            painter.drawLine(QPointF(box.right() - 4, c.y()), QPointF(box.right(), c.y()));
        } else {
            painter.drawRoundedRect(box, 2, 2);
        }
    }
}
