#pragma once
#include <QSize>

// Phone or tablet: what setIdiom chose (the --idiom option), else
// PANELRY_IDIOM, else the screen: one too small for the tablet window means
// a phone.
namespace Device {
enum class Idiom { Phone = 0, Tablet = 1 };
void setIdiom(Idiom idiom);
Idiom idiom();
inline bool isTablet() { return idiom() == Idiom::Tablet; }
// The fixed portrait window of each kind of device, in points.
QSize windowSize();
}
