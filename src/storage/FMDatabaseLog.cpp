#include "storage/FMDatabaseLog.h"

Q_LOGGING_CATEGORY(lcDatabase, "panelry.database")
