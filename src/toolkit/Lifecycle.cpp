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
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::applicationStateChanged, this, &Lifecycle::stateChanged);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &Lifecycle::didEnterBackgroundOrWillTerminate);
}

void Lifecycle::watchWindow(QWidget *window)
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

bool Lifecycle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close)
        emit didEnterBackgroundOrWillTerminate();
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
