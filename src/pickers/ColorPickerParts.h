#pragma once
#include <QColor>
#include <QWidget>

// The brightness strip: from its colour's hue and saturation at full
// brightness on the left to black on the right.
class GradientView : public QWidget
{
    Q_OBJECT
public:
    explicit GradientView(QWidget *parent = nullptr);
    QColor theColor() const { return m_theColor; }
    void setTheColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_theColor;
};

// The colour chosen, in a rounded box (white while there is none).
class ColorSwatchView : public QWidget
{
    Q_OBJECT
public:
    explicit ColorSwatchView(QWidget *parent = nullptr);
    QColor swatchColor() const { return m_swatchColor; }
    void setSwatchColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_swatchColor;
};

// The picker's markers: the crosshair on the field, the bar on the strip.
class PickerMarker : public QWidget
{
    Q_OBJECT
public:
    enum class Shape { CrossHairs, Bar };
    PickerMarker(Shape shape, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape m_shape;
};
