#include "storage/FMResultSet.h"

#include "storage/FMDatabase.h"
#include "storage/FMBusyStep.h"
#include "storage/FMDatabaseLog.h"
#include "storage/FMStatement.h"

#include <sqlite3.h>

QVariant fmNullObject() { return QVariant::fromValue(nullptr); }

bool fmIsNullObject(const QVariant &value)
{
    return value.metaType().id() == QMetaType::Nullptr;
}

FMResultSet::FMResultSet(std::unique_ptr<FMStatement> statement, FMDatabase *parentDB)
    : _statement(std::move(statement))
    , _parentDB(parentDB)
    , _query(_statement ? _statement->query() : QString())
{
}

FMResultSet::~FMResultSet() { close(); }

QString FMResultSet::query() const { return _query; }

void FMResultSet::close()
{
    if (_statement) {
        _statement->reset();
        _statement.reset();
    }
    if (_parentDB) {
        FMDatabase *parent = _parentDB;
        _parentDB = nullptr;
        parent->resultSetDidClose(this);
    }
}

bool FMResultSet::next()
{
    if (!_statement)
        return false;
    sqlite3_stmt *statement = _statement->statement();
    const FMBusyLimits limits = _parentDB ? _parentDB->busyLimits() : FMBusyLimits{FMDatabase::defaultBusyTimeLimit};
    const int rc = fmStepRetryingWhileBusy(statement, limits, "rs", _parentDB ? _parentDB->databasePath() : QString());
    if (_parentDB)
        _parentDB->noteResult(rc);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_ERROR || rc == SQLITE_MISUSE)
        qCWarning(lcDatabase, "Error calling sqlite3_step (%d: %s) rs", rc, sqlite3_errmsg(sqlite3_db_handle(statement)));
    else if (rc != SQLITE_DONE && rc != kFMBusyTimedOut)
        qCWarning(lcDatabase, "Unknown error calling sqlite3_step (%d: %s) rs", rc,
                  sqlite3_errmsg(sqlite3_db_handle(statement)));
    close();
    return false;
}

int FMResultSet::columnIndexForName(const QString &columnName)
{
    if (!_columnNamesSetUp && _statement) {
        sqlite3_stmt *statement = _statement->statement();
        const int count = sqlite3_column_count(statement);
        for (int i = 0; i < count; ++i)
            _columnNameToIndexMap.insert(QString::fromUtf8(sqlite3_column_name(statement, i)), i);
        _columnNamesSetUp = true;
    }
    const auto found = _columnNameToIndexMap.constFind(columnName);
    if (found != _columnNameToIndexMap.constEnd())
        return *found;
    qCWarning(lcDatabase, "Warning: I could not find the column named '%s'.", qUtf8Printable(columnName));
    return -1;
}

bool FMResultSet::hasRow() const
{
    return _statement && sqlite3_data_count(_statement->statement()) > 0;
}

int FMResultSet::intForColumn(const QString &columnName)
{
    const int index = columnIndexForName(columnName);
    if (index < 0 || !hasRow())
        return 0;
    return sqlite3_column_int(_statement->statement(), index);
}

QString FMResultSet::stringForColumn(const QString &columnName)
{
    const int index = columnIndexForName(columnName);
    if (index < 0 || !hasRow())
        return QString();
    sqlite3_stmt *statement = _statement->statement();
    if (sqlite3_column_type(statement, index) == SQLITE_NULL)
        return QString();
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
    return QString::fromUtf8(text ? text : "", sqlite3_column_bytes(statement, index));
}

QByteArray FMResultSet::dataForColumn(const QString &columnName)
{
    const int index = columnIndexForName(columnName);
    if (index < 0 || !hasRow())
        return QByteArray();
    sqlite3_stmt *statement = _statement->statement();
    if (sqlite3_column_type(statement, index) == SQLITE_NULL)
        return QByteArray();
    // A zero-length blob has no pointer; it is still an (empty) value.
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, index));
    return QByteArray(bytes ? bytes : "", sqlite3_column_bytes(statement, index));
}

QVariantMap FMResultSet::resultDict()
{
    if (!hasRow()) {
        qCWarning(lcDatabase, "Warning: There seem to be no columns in this set.");
        return {};
    }
    sqlite3_stmt *statement = _statement->statement();
    QVariantMap row;
    const int count = sqlite3_data_count(statement);
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(statement, i));
        switch (sqlite3_column_type(statement, i)) {
        case SQLITE_INTEGER:
            row.insert(name, qint64(sqlite3_column_int64(statement, i)));
            break;
        case SQLITE_FLOAT:
            row.insert(name, sqlite3_column_double(statement, i));
            break;
        case SQLITE_BLOB: {
            const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, i));
            row.insert(name, QByteArray(bytes ? bytes : "", sqlite3_column_bytes(statement, i)));
            break;
        }
        case SQLITE_TEXT: {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, i));
            row.insert(name, QString::fromUtf8(text ? text : "", sqlite3_column_bytes(statement, i)));
            break;
        }
        default:
            row.insert(name, fmNullObject());
            break;
        }
    }
    return row;
}
