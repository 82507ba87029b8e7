#include "toolkit/SwatchButton.h"

SwatchButton::SwatchButton(const QColor &color, int side, QWidget *parent)
    : QPushButton(parent)
{
    setFixedSize(side, side);
    setFocusPolicy(Qt::NoFocus);
    setColor(color);
}

void SwatchButton::setColor(const QColor &color)
{
    m_color = color;
    restyle();
}

void SwatchButton::restyle()
{
    const QColor c = m_color.isValid() ? m_color : QColor(Qt::transparent);
    const QString fill = QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
    setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid white; }"
                                 "QPushButton:pressed, QPushButton:checked { border: 3px solid #ffe680; }")
                      .arg(fill));
}
