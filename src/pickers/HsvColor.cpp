#include "pickers/HsvColor.h"

#include <algorithm>
#include <cmath>

HsvColor HsvColor::of(const QColor &color)
{
    const QColor rgb = color.toRgb();
    const double r = rgb.redF(), g = rgb.greenF(), b = rgb.blueF();
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double range = max - min;
    HsvColor hsv;
    hsv.brightness = float(max);
    hsv.saturation = max == 0 ? 0.0f : float(range / max);
    if (range == 0)
        return hsv;
    double degrees;
    if (max == r)
        degrees = std::fmod(60 * (g - b) / range + 360, 360);
    else if (max == g)
        degrees = 120 + 60 * (b - r) / range;
    else
        degrees = 240 + 60 * (r - g) / range;
    hsv.hue = float(degrees / 360);
    if (hsv.hue >= 1.0f)
        hsv.hue = 0;
    return hsv;
}

QColor HsvColor::toColor(double hue, double saturation, double brightness)
{
    auto unit = [](double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0); };
    const double h = unit(hue) * 6, s = unit(saturation), v = unit(brightness);
    const int sector = int(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - f * s), t = v * (1 - (1 - f) * s);
    const double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    return QColor::fromRgbF(float(rgb[sector][0]), float(rgb[sector][1]), float(rgb[sector][2]), 1.0f);
}
