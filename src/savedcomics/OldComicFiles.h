#pragma once
#include <QStringList>

// The files in which earlier generations of the application kept their
// saved comics, in the Documents folder of the application home.
namespace OldComicFiles {
// In the order they are looked for.
QStringList fileNames();
// True when at least one of them is there.
bool anyPresent();
}
