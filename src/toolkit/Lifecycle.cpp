#include "toolkit/Lifecycle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

Lifecycle *Lifecycle::shared()
{
    static Lifecycle *lifecycle = new Lifecycle; // a child of the application
    return lifecycle;
}

Lifecycle::Lifecycle()
    : QObject(QCoreApplication::instance())
{
    QCoreApplication *app = QCoreApplication::instance();
    if (auto *guiApp = qobject_cast<QGuiApplication *>(app))
        connect(guiApp, &QGuiApplication::applicationStateChanged, this, &Lifecycle::stateChanged);
    // Every event passes here first: a quit reaches the application object
    // as a Quit event, the window's closing as its Close event.
    app->installEventFilter(this);
    // Leaving the event loop some other way (QCoreApplication::exit).
    connect(app, &QCoreApplication::aboutToQuit, this, &Lifecycle::terminate);
}

void Lifecycle::watchWindow(QWidget *window) { m_window = window; }

void Lifecycle::terminate()
{
    if (m_terminating)
        return;
    m_terminating = true;
    emit willTerminate();
    emit didEnterBackgroundOrWillTerminate();
    QCoreApplication::exit(0);
}

bool Lifecycle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        terminate();
        return true; // not Qt's quit, which stops at the first window that refuses to close
    }
    if (event->type() == QEvent::Close && watched == m_window)
        terminate();
    return false;
}

void Lifecycle::stateChanged(Qt::ApplicationState state)
{
    switch (state) {
    case Qt::ApplicationActive:
        emit didBecomeActive();
        break;
    case Qt::ApplicationInactive:
        emit willResignActive();
        break;
    case Qt::ApplicationHidden:
    case Qt::ApplicationSuspended:
        emit willResignActive();
        emit didEnterBackgroundOrWillTerminate();
        break;
    }
}
