#include "toolkit/KeyboardAccessory.h"

#include "toolkit/WindowLayer.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QPointer>
#include <QWidget>

namespace {
// The accessory on screen and its window; it moves with the keyboard.
struct Dock {
    QPointer<QWidget> accessory;
    QPointer<QWidget> window;
    bool following = false;
};

Dock &dock()
{
    static Dock d;
    return d;
}

void place()
{
    Dock &d = dock();
    if (!d.accessory || !d.window)
        return;
    const QRectF keyboard = QGuiApplication::inputMethod()->keyboardRectangle();
    d.accessory->setGeometry(KeyboardAccessory::frameIn(d.window, d.accessory->height(), keyboard));
    WindowLayer::raise(d.accessory, WindowLayer::Content);
}
}

QRect KeyboardAccessory::frameIn(const QWidget *window, int height, const QRectF &keyboard)
{
    const int bottom = keyboard.isEmpty() ? window->height() : std::min(window->height(), int(keyboard.top()));
    return QRect(0, bottom - height, window->width(), height);
}

void KeyboardAccessory::show(QWidget *accessory, QWidget *window)
{
    if (!accessory || !window)
        return;
    Dock &d = dock();
    if (d.accessory && d.accessory != accessory)
        d.accessory->hide();
    d.accessory = accessory;
    d.window = window;
    if (!d.following) {
        d.following = true;
        QObject::connect(QGuiApplication::inputMethod(), &QInputMethod::keyboardRectangleChanged, &place);
    }
    if (accessory->parentWidget() != window)
        accessory->setParent(window);
    place();
    accessory->show();
}

void KeyboardAccessory::hide(QWidget *accessory)
{
    if (!accessory)
        return;
    accessory->hide();
    if (dock().accessory == accessory)
        dock().accessory = nullptr;
}
