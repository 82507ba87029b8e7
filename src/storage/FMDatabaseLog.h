#pragma once
#include <QLoggingCategory>

// Every line the database layer writes to the diagnostic log goes through this
// category ("panelry.database"), so it can be filtered or silenced on its own.
Q_DECLARE_LOGGING_CATEGORY(lcDatabase)

// The two lines written when a statement gave up waiting for a lock.
#define FM_LOG_BUSY_TIMEOUT(path)                                                                      \
    do {                                                                                               \
        qCWarning(lcDatabase, "%s:%d Database busy (%s)", Q_FUNC_INFO, __LINE__, qUtf8Printable(path)); \
        qCWarning(lcDatabase, "Database busy");                                                         \
    } while (false)
