#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class Notification;

// Told when a queued banner has gone.
class NotificationManagerDelegate
{
public:
    virtual ~NotificationManagerDelegate() = default;
    virtual void notificationDidHide(Notification *notification) { (void)notification; }
};

// The single entry point for the short messages shown as banners. Banners
// shown immediately overlap whatever is on screen; the others wait in a
// queue and follow each other with a 0.5 s gap.
class NotificationManager : public QObject, public NotificationManagerDelegate
{
    Q_OBJECT
public:
    // Created on first use; lives for the whole process.
    static NotificationManager *sharedManager();

    // style 0..7 (6: centred, zooming in); duration in seconds; action, when
    // set, makes the banner tappable and runs on a tap. An empty text shows
    // nothing. Safe to call from any thread: the banner appears on the
    // interface thread.
    void notifyText(const QString &text, const QString &icon, int style, double duration,
                    std::function<void()> action, bool showImmediately);

    // The banner every part of the application sends: `text` centred and
    // zooming in (style 6), no icon, not tappable, shown at once, for
    // `seconds`. Safe to call from any thread, like notifyText.
    void notify(const QString &text, double seconds);

    void notificationDidHide(Notification *notification) override;

    // The queued banners; the first one is showing (or about to).
    const QList<Notification *> &queue() const { return _queue; }
    // Every banner currently on screen, queued or immediate, oldest first.
    QList<Notification *> visibleNotifications() const;

signals:
    void notificationShown(Notification *notification);

private:
    NotificationManager();
    void showNotification(Notification *notification);
    void showFirstAfterGap();
    void forget(Notification *notification);

    QList<Notification *> _queue;
};
