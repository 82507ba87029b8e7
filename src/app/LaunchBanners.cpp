#include "app/LaunchBanners.h"

#include "editor/ComicStore.h"
#include "storage/StorageLaunch.h"
#include "ui/NotificationManager.h"

namespace {
constexpr double kBannerSeconds = 2.0;
}

QString LaunchBanners::damagedDatabaseMessage()
{
    return QStringLiteral("The comics database was damaged. It was set aside and a new one started.");
}

QString LaunchBanners::cannotSaveMessage()
{
    return QStringLiteral("Comics cannot be saved: Panelry cannot write to its folder.");
}

void LaunchBanners::announce(const StorageLaunchReport &report, ComicStore &store)
{
    if (report.damagedDatabaseReplaced())
        NotificationManager::sharedManager()->notify(damagedDatabaseMessage(), kBannerSeconds);
    if (!report.databaseWritable)
        store.tellSavesFail(cannotSaveMessage());
}
