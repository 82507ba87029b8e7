// Interim: replaced by the banner implementation.
#include "ui/NotificationManager.h"
#include <QDebug>

NotificationManager *NotificationManager::sharedManager()
{
    static NotificationManager *m = new NotificationManager;
    return m;
}

void NotificationManager::notifyText(const QString &text, const QString &, int, double, std::function<void()>, bool)
{
    qInfo() << "banner:" << text;
}

void NotificationManager::notificationDidHide(Notification *) {}

QList<Notification *> NotificationManager::visibleNotifications() const { return {}; }
