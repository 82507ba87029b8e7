#pragma once
#include <QColor>

// Colours as hue, saturation and brightness (the HSV model), each from 0 to
// 1, as the colour picker shows them.
struct HsvColor {
    float hue = 0;
    float saturation = 0;
    float brightness = 0;

    // Hue 0 for greys; red wins ties over green, green over blue.
    static HsvColor of(const QColor &color);
    // The opaque colour of these three, each clamped to 0..1 first.
    static QColor toColor(double hue, double saturation, double brightness);
};
