#pragma once
#include <QString>

struct sqlite3_stmt;

// What fmStepRetryingWhileBusy answers when the retries ran out.
constexpr int kFMBusyTimedOut = -1;

// Steps the statement, retrying with a growing pause while the database is
// busy or locked (a locked statement is reset first; an unexpected reset is
// logged with `resetTag`). Gives sqlite3_step's answer, or kFMBusyTimedOut
// once more than busyRetryTimeout retries were made (0: never), after
// logging that the database at `databasePath` stayed busy.
int fmStepRetryingWhileBusy(sqlite3_stmt *statement, int busyRetryTimeout, const char *resetTag,
                            const QString &databasePath);
