#pragma once
// The texts of the banners shown while a Banners lives, also with their
// duration and style (header only: it needs the ui layer, which the tests
// that use it see).
#include "ui/Notification.h"
#include "ui/NotificationManager.h"

#include <QStringList>

struct Banners {
    QStringList shown;
    QStringList timed; // "text (duration s, style n)"
    QMetaObject::Connection connection = QObject::connect(
        NotificationManager::sharedManager(), &NotificationManager::notificationShown, [this](Notification *n) {
            shown << n->text();
            timed << QString("%1 (%2 s, style %3)").arg(n->text()).arg(n->duration()).arg(n->style());
        });
    Banners() = default;
    Banners(const Banners &) = delete;
    Banners &operator=(const Banners &) = delete;
    ~Banners() { QObject::disconnect(connection); }
};
