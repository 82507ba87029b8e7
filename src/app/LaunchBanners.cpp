#include "app/LaunchBanners.h"

#include "storage/StorageLaunch.h"
#include "ui/NotificationManager.h"

namespace {
constexpr double kBannerSeconds = 2.0;
}

QString LaunchBanners::damagedDatabaseMessage()
{
    return QStringLiteral("The comics database was damaged. It was set aside and a new one started.");
}

void LaunchBanners::announce(const StorageLaunchReport &report)
{
    if (report.damagedDatabaseReplaced())
        NotificationManager::sharedManager()->notify(damagedDatabaseMessage(), kBannerSeconds);
}
