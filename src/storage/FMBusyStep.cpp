#include "storage/FMBusyStep.h"

#include "storage/FMDatabaseLog.h"

#include <sqlite3.h>

int fmStepRetryingWhileBusy(sqlite3_stmt *statement, const FMBusyLimits &limits, const char *resetTag,
                            const QString &databasePath)
{
    FMBusyBackoff backoff(limits);
    for (;;) {
        const int rc = sqlite3_step(statement);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            return rc;
        if (rc == SQLITE_LOCKED) {
            const int resetRc = sqlite3_reset(statement);
            if (resetRc != SQLITE_LOCKED)
                qCWarning(lcDatabase, "Unexpected result from sqlite3_reset (%d) %s", resetRc, resetTag);
        }
        if (!backoff.pauseBeforeRetry()) {
            FM_LOG_BUSY_TIMEOUT(databasePath);
            return kFMBusyTimedOut;
        }
    }
}
