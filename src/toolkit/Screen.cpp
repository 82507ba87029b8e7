#include "toolkit/Screen.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {
QPointer<QWidget> &window()
{
    static QPointer<QWidget> w;
    return w;
}
}

void Screen::setMainWindow(QWidget *w) { window() = w; }

QWidget *Screen::mainWindow() { return window(); }

void Screen::bringToFront()
{
    QWidget *w = window();
    if (!w)
        return;
    w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
}

QRect Screen::geometry()
{
    if (QWidget *w = window())
        return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->geometry();
    return QRect(0, 0, 768, 1024);
}
