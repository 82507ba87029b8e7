#pragma once
#include <QStringList>

// The fonts that ship with the application (resources/fonts/): registered
// with Qt's font database once, they are found by family name like the
// system's own.
namespace AppFonts {
// Registers every font file of resources/fonts/ the first time it is
// called; gives the families they added (empty when none could be read).
QStringList registerBundledFonts();
}
