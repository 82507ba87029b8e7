// What the start-up benchmark measures the editor against: a bare Qt window
// of the editor's size, a toolbar with a line of text (so it pays the same
// font start-up), in a program that links Qt Widgets and nothing more.
#include "toolkit/FirstPaintClock.h"

#include <QApplication>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    FirstPaintClock firstPaint;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(768, 1024);
    auto *toolbar = new QToolBar;
    toolbar->addWidget(new QLabel("Tap a panel to begin"));
    (new QVBoxLayout(&window))->addWidget(toolbar, 0, Qt::AlignTop);
    firstPaint.watch(&window);
    window.show();
    return app.exec();
}
