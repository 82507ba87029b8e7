#include "ui/NotificationManager.h"

#include "toolkit/Clock.h"
#include "ui/Notification.h"

#include <QCoreApplication>
#include <QThread>

namespace {
constexpr double kQueueGap = 0.5; // between one queued banner going and the next
constexpr int kCentredZoomStyle = 6;
}

NotificationManager *NotificationManager::sharedManager()
{
    static NotificationManager *manager = new NotificationManager; // never freed
    return manager;
}

NotificationManager::NotificationManager()
{
    // Banners are widgets: whoever asks first, they belong to the interface thread.
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
}

void NotificationManager::notifyText(const QString &text, const QString &icon, int style, double duration,
                                     std::function<void()> action, bool showImmediately)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this,
            [=, this, action = std::move(action)]() mutable {
                notifyText(text, icon, style, duration, std::move(action), showImmediately);
            },
            Qt::QueuedConnection);
        return;
    }
    if (text.isEmpty())
        return;

    auto *notification = new Notification(text, icon, style, duration, std::move(action));
    if (showImmediately) {
        showNotification(notification);
        return;
    }
    notification->setDelegate(this);
    _queue.append(notification);
    // A banner can also go without saying so, with the editor's window.
    connect(notification, &QObject::destroyed, this, [this, notification] { forget(notification); });
    if (_queue.size() == 1)
        showNotification(notification);
}

void NotificationManager::notify(const QString &text, double seconds)
{
    notifyText(text, QString(), kCentredZoomStyle, seconds, nullptr, true);
}

void NotificationManager::notificationDidHide(Notification *notification)
{
    if (_queue.removeOne(notification))
        showFirstAfterGap();
}

QList<Notification *> NotificationManager::visibleNotifications() const { return Notification::onScreen(); }

void NotificationManager::showNotification(Notification *notification)
{
    notification->show();
    emit notificationShown(notification);
}

void NotificationManager::showFirstAfterGap()
{
    if (_queue.isEmpty())
        return;
    QPointer<Notification> next = _queue.first();
    Clock::shared().schedule(kQueueGap, [this, next] {
        if (next && !_queue.isEmpty() && _queue.first() == next)
            showNotification(next);
    });
}

void NotificationManager::forget(Notification *notification)
{
    const qsizetype index = _queue.indexOf(notification);
    if (index < 0)
        return;
    _queue.removeAt(index);
    if (index == 0)
        showFirstAfterGap();
}
