#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

class ColorSwatchView;
class GradientView;

// The colour picker's view: a hue and saturation field (the picture
// colormap.png: hue from left to right, saturation from the top down), a
// brightness strip below it running from the chosen hue at full brightness
// to black, a crosshair on the field, a marker on the strip and a swatch of
// the resulting colour. A touch on the field or the strip moves its marker
// there (gliding over 0.4 s) and changes the colour. Coordinates are points
// of the view, which is 320 points wide.
//
// Where the field and the strip are drawn is where the formulas read them:
// the colour under the finger is the colour chosen, white at the bottom of
// the field and black at the right end of the strip included.
class ColorPickerView : public QWidget
{
    Q_OBJECT
public:
    // The field: hue = (x - 11) / 298, saturation = 1 - (y - 120) / 257.
    static constexpr QRectF kColorMatrixFrame{11, 120, 298, 257};
    // The strip: brightness = 1.05 - x / 300, so 1 at its left end and 0 at
    // its right end.
    static constexpr QRect kGradientFrame{15, 385, 300, 40};
    static constexpr QRect kSwatchFrame{11, 24, 298, 72};

    explicit ColorPickerView(QWidget *parent = nullptr);

    // Shows a colour: the markers jump to it, the swatch shows it.
    void setColor(const QColor &color);
    // The colour of the current hue, saturation and brightness, opaque.
    QColor getColorShown() const;
    QColor currentColor() const { return m_currentColor; }
    float currentHue() const { return m_currentHue; }
    float currentSaturation() const { return m_currentSaturation; }
    float currentBrightness() const { return m_currentBrightness; }

    // Routes one touch point: to the field, to the strip, or nowhere.
    void dispatchTouchEvent(const QPointF &point);
    void updateHueSatWithMovement(const QPointF &point);
    void updateBrightnessWithMovement(const QPointF &point);

    // Where the markers are (or are gliding to).
    QPointF crossHairsCenter() const { return m_crossHairsCenter; }
    QPointF brightnessBarCenter() const { return m_brightnessBarCenter; }
    GradientView *gradientView() const { return m_gradientView; }
    ColorSwatchView *showColor() const { return m_showColor; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void moveMarker(QWidget *marker, const QPointF &center, bool animated);
    double brightnessBarY() const;

    GradientView *m_gradientView;
    ColorSwatchView *m_showColor;
    QWidget *m_crossHairs;
    QWidget *m_brightnessBar;
    QImage _colorMatrix;
    QPointF m_crossHairsCenter;
    QPointF m_brightnessBarCenter;
    float m_currentHue = 0;
    float m_currentSaturation = 0;
    float m_currentBrightness = 0.5f;
    QColor m_currentColor;
};
