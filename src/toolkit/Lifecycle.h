#pragma once
#include <QObject>
#include <QPointer>

class QWidget;

// The application's lifecycle as the editor needs it, from Qt's application
// state: it becomes active (its window has the focus), resigns (another
// window has it), goes to the background (hidden or suspended on a device),
// or ends: a quit from anywhere (a termination signal, the platform's quit)
// or its main window closing. Ending closes whatever is open, keeps what the
// user made, and leaves the event loop, also when a window would refuse to
// close (Qt's own quit asks every window, and a question on screen says no).
class Lifecycle : public QObject
{
    Q_OBJECT
public:
    // Made on first use, with the application.
    static Lifecycle *shared();

    // The window whose closing ends the application.
    void watchWindow(QWidget *window);

    // Ends the application: willTerminate, didEnterBackgroundOrWillTerminate,
    // then the event loop stops. Only the first call does anything.
    void terminate();

signals:
    void didBecomeActive();
    void willResignActive();
    // Before the application ends: whatever is open closes now.
    void willTerminate();
    // What the user made must be kept now.
    void didEnterBackgroundOrWillTerminate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Lifecycle();
    void stateChanged(Qt::ApplicationState state);

    QPointer<QWidget> m_window;
    bool m_terminating = false;
};
