#pragma once
#include <QColor>
#include <QPushButton>

// A square button filled with a colour and framed by a thin white line: a
// colour choice, or a colour shown. It glows while pressed, and a checkable
// one stays lit while checked (the eraser).
class SwatchButton : public QPushButton
{
    Q_OBJECT
public:
    explicit SwatchButton(const QColor &color, int side, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

private:
    void restyle();

    QColor m_color;
};
