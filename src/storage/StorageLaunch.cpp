#include "storage/StorageLaunch.h"

#include "storage/DatabaseRecovery.h"
#include "storage/UserDatabase.h"
#include "toolkit/UserDefaults.h"

StorageLaunchReport StorageLaunch::prepareAtLaunch()
{
    UserDatabase::copyDBFile(); // fails, as intended, when the file is there
    StorageLaunchReport report;
    report.damagedDatabaseKeptAs = DatabaseRecovery::replaceIfDamaged(UserDatabase::path(),
                                                                      UserDatabase::templatePath());
    // The file that stays, after the check.
    report.databaseWritable = UserDatabase::keepOpenWhileRunning();
    UserDatabase::cleanUp();
    prepareUserDefaults();
    return report;
}

void StorageLaunch::prepareUserDefaults()
{
    const QString key = QStringLiteral("autosaveEnabled");
    if (!UserDefaults::objectForKey(key).isValid())
        UserDefaults::setBool(true, key);
    UserDefaults::synchronize();
}
