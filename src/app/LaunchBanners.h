#pragma once
#include <QString>

class ComicStore;
struct StorageLaunchReport;

// What the application tells the user about its launch, once the window
// shows: the storage reports what it found, the banners are chosen here.
namespace LaunchBanners {

// A banner when a damaged user database was set aside, and when no comic
// can be saved (told through the store, which then does not tell it again
// at every failed automatic save); nothing else.
void announce(const StorageLaunchReport &report, ComicStore &store);

QString damagedDatabaseMessage();
QString cannotSaveMessage();

}
