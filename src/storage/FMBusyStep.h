#pragma once
#include "storage/FMBusyBackoff.h"

#include <QString>

struct sqlite3_stmt;

// What fmStepRetryingWhileBusy answers when the limits ran out.
constexpr int kFMBusyTimedOut = -1;

// Steps the statement, retrying with a growing pause while the database is
// busy or locked (a locked statement is reset first; an unexpected reset is
// logged with `resetTag`). Gives sqlite3_step's answer, or kFMBusyTimedOut
// once the limits ran out, after logging that the database at
// `databasePath` stayed busy.
int fmStepRetryingWhileBusy(sqlite3_stmt *statement, const FMBusyLimits &limits, const char *resetTag,
                            const QString &databasePath);
