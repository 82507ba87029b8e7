#pragma once
#include <QString>

struct StorageLaunchReport;

// What the application tells the user about its launch, once the window
// shows: the storage reports what it found, the banners are chosen here.
namespace LaunchBanners {

// Shows a banner when a damaged user database was set aside; nothing else.
void announce(const StorageLaunchReport &report);

QString damagedDatabaseMessage();

}
