#pragma once
#include <QString>

// What preparing the storage at launch found. The storage only reports it;
// the application decides what to tell the user.
struct StorageLaunchReport
{
    // Where a damaged user database was moved; empty when none was.
    QString damagedDatabaseKeptAs;
    bool damagedDatabaseReplaced() const { return !damagedDatabaseKeptAs.isEmpty(); }
    // False when no comic can be saved: the user database cannot be opened
    // for writing (a read-only folder, file or file system; no room for the
    // files beside it). What it holds can still be read.
    bool databaseWritable = true;
};

// The launch steps that make the storage ready before the editor creates
// its first comic.
namespace StorageLaunch {

// In order: copy the template into place (UserDatabase::copyDBFile), replace
// a damaged database by a fresh template (keeping the old file), keep a
// handle on it open while the application runs, purge never-saved comics
// (UserDatabase::cleanUp), prepare the user defaults.
StorageLaunchReport prepareAtLaunch();

// autosaveEnabled becomes true when it has no value (a stored false stays);
// then the defaults are written out, when anything changed.
void prepareUserDefaults();

}
