#pragma once
#include <QRect>

class QWidget;

// The "screen" of the application: the editor's window. Banners and modal
// screens cover it; on a device it is the whole display.
namespace Screen {
void setMainWindow(QWidget *window);
QWidget *mainWindow();
// The window's rectangle in global (desktop) coordinates; the primary
// screen when there is no main window yet.
QRect geometry();
}
