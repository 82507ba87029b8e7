#pragma once
#include <functional>

class QObject;
class QWidget;

// Work that can wait until the user sees the window: called once, on the
// event loop's next turn after `widget` first painted (so after that frame
// went to the screen), or after a second on the shared clock when no paint
// comes (a window that is never exposed). Nothing is called once `context`
// is gone.
namespace FirstFrame {
void after(QWidget *widget, QObject *context, std::function<void()> work);
}
