#include "toolkit/FractionalSlider.h"

#include <QSignalBlocker>

#include <cmath>

namespace {
constexpr double kStepsPerUnit = 100;

int steps(double value) { return int(std::lround(value * kStepsPerUnit)); }
}

FractionalSlider::FractionalSlider(double minimum, double maximum, double value, QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(steps(minimum), steps(maximum));
    setSingleStep(steps(1));
    setPageStep(steps(10));
    setFocusPolicy(Qt::NoFocus);
    setDoubleValue(value);
    connect(this, &QSlider::valueChanged, this, [this](int v) { emit doubleValueChanged(v / kStepsPerUnit); });
}

double FractionalSlider::doubleValue() const { return value() / kStepsPerUnit; }

void FractionalSlider::setDoubleValue(double value)
{
    const QSignalBlocker quiet(this);
    setValue(steps(value));
}

double FractionalSlider::doubleMinimum() const { return minimum() / kStepsPerUnit; }

double FractionalSlider::doubleMaximum() const { return maximum() / kStepsPerUnit; }
