#pragma once
#include <QSlider>

// A horizontal slider of continuous values between two ends: Qt's slider
// counts in whole steps, so this one counts hundredths and gives their
// fraction (10 to 100 runs through 22.5 and 22.51).
class FractionalSlider : public QSlider
{
    Q_OBJECT
public:
    FractionalSlider(double minimum, double maximum, double value, QWidget *parent = nullptr);

    double doubleValue() const;
    // Clamped to the ends; moves the knob without reporting a change.
    void setDoubleValue(double value);
    double doubleMinimum() const;
    double doubleMaximum() const;

signals:
    // The user moved the knob (or code moved it through setValue).
    void doubleValueChanged(double value);
};
