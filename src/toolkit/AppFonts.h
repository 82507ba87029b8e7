#pragma once
#include <QStringList>

// The fonts that ship with the application (resources/fonts/): registered
// with Qt's font database once, they are found by family name like the
// system's own. Behind the interface's font and the lettering font stands
// the system's colour emoji font (Debian's fonts-noto-color-emoji), so an
// emoji in a title or a text shows as itself, not as a box.
namespace AppFonts {
// Registers every font file of resources/fonts/ and the emoji fallback the
// first time it is called (once the application object exists); gives the
// families it added (empty when none could be read).
QStringList registerBundledFonts();
}
