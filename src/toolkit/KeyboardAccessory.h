#pragma once
#include <QRect>

class QWidget;

// The bar shown with the keyboard while a text is typed (its input
// accessory): across the bottom of its window, just above the platform's
// on-screen keyboard when the input method reports one, and following the
// keyboard when it moves or goes. Without an on-screen keyboard (a desktop)
// it sits at the window's bottom edge. One accessory shows at a time.
namespace KeyboardAccessory {
// Shows the accessory in the window (which takes it as a child), in front
// of the window's other widgets. Nothing for a null accessory or window.
void show(QWidget *accessory, QWidget *window);
// Hides it; nothing for one that is not showing.
void hide(QWidget *accessory);
// Where an accessory of this height goes in the window: above the keyboard
// rectangle (window coordinates) when it is not empty.
QRect frameIn(const QWidget *window, int height, const QRectF &keyboard);
}
