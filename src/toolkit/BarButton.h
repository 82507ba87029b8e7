#pragma once
#include <QToolButton>

// A button of a dark toolbar: a white icon on the bar itself, lit softly
// while the pointer is over it and more while it is pressed, so the icon
// reads in every state. It never takes the keyboard focus.
class BarButton : public QToolButton
{
    Q_OBJECT
public:
    explicit BarButton(int iconSide, QWidget *parent = nullptr);
};
