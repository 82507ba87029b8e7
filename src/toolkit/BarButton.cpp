#include "toolkit/BarButton.h"

BarButton::BarButton(int iconSide, QWidget *parent)
    : QToolButton(parent)
{
    setIconSize(QSize(iconSide, iconSide));
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    // The platform's own hover and press panels are light: a white icon
    // would vanish on them.
    setStyleSheet("QToolButton { border: none; background: transparent; border-radius: 6px; }"
                  "QToolButton:hover { background: rgba(255, 255, 255, 35); }"
                  "QToolButton:pressed { background: rgba(255, 255, 255, 70); }");
}
