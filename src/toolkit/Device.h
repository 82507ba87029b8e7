#pragma once
#include <QSize>
#include <QStringList>

// Phone or tablet. `--idiom phone|tablet` on the command line wins, then
// PANELRY_IDIOM, then the screen: a screen too small for the tablet window
// means a phone.
namespace Device {
enum class Idiom { Phone = 0, Tablet = 1 };
void configureFromArguments(const QStringList &arguments);
void setIdiom(Idiom idiom);
Idiom idiom();
inline bool isTablet() { return idiom() == Idiom::Tablet; }
// The fixed portrait window of each kind of device, in points.
QSize windowSize();
}
