#pragma once
#include <QObject>
#include <QPointer>

class QWidget;

// The application's lifecycle as the editor needs it, from Qt's application
// state: it becomes active (its window has the focus), resigns (another
// window has it), or goes away (hidden or suspended on a device, quitting,
// or its main window closing), when what the user made must be kept.
class Lifecycle : public QObject
{
    Q_OBJECT
public:
    // Made on first use, with the application.
    static Lifecycle *shared();

    // The window whose closing counts as the application going away.
    void watchWindow(QWidget *window);

signals:
    void didBecomeActive();
    void willResignActive();
    void didEnterBackgroundOrWillTerminate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Lifecycle();
    void stateChanged(Qt::ApplicationState state);

    QPointer<QWidget> m_window;
};
