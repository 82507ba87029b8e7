#pragma once
#include <QRect>

class QWidget;

// The "screen" of the application: the editor's window. Banners and modal
// screens cover it; on a device it is the whole display.
namespace Screen {
void setMainWindow(QWidget *window);
QWidget *mainWindow();
// Shows the main window in front of the others, restored if minimized, with
// the focus (as far as the window manager lets an application take it).
void bringToFront();
// The window's rectangle in global (desktop) coordinates; the primary
// screen when there is no main window yet.
QRect geometry();
}
