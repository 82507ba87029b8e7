#pragma once
// The texts of the banners shown while a Banners lives (header only: it
// needs the ui layer, which the tests that use it see).
#include "ui/Notification.h"
#include "ui/NotificationManager.h"

#include <QStringList>

struct Banners {
    QStringList shown;
    QMetaObject::Connection connection = QObject::connect(
        NotificationManager::sharedManager(), &NotificationManager::notificationShown,
        [this](Notification *n) { shown << n->text(); });
    Banners() = default;
    Banners(const Banners &) = delete;
    Banners &operator=(const Banners &) = delete;
    ~Banners() { QObject::disconnect(connection); }
};
