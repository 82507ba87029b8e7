#pragma once
#include <QObject>
#include <QPointer>

class Notification;
class QWidget;

// Root controller of a banner's window. Its view covers the screen, is
// clear, draws the banners placed in it and hands taps on a tappable banner
// to that banner.
class NotificationViewController : public QObject
{
    Q_OBJECT
public:
    explicit NotificationViewController(QObject *parent = nullptr);
    ~NotificationViewController() override;

    // Created and set up on first use; owned by whoever it is handed to
    // (the banner's window), and by this controller until then.
    QWidget *view();
    void addNotification(Notification *notification);

private:
    void viewDidLoad();
    QPointer<QWidget> m_view;
};
