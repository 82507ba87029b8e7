#pragma once
#include <QLoggingCategory>

// Every line the database layer writes to the diagnostic log goes through this
// category ("panelry.database"), so it can be filtered or silenced on its own.
Q_DECLARE_LOGGING_CATEGORY(lcDatabase)
