#include "storage/FMStatement.h"

#include "storage/FMArgumentBinding.h"
#include "storage/FMDatabaseLog.h"

#include <sqlite3.h>

FMStatement::FMStatement(sqlite3_stmt *statement, const QString &query)
    : _statement(statement)
    , _query(query)
{
}

FMStatement::~FMStatement() { close(); }

int FMStatement::parameterCount() const
{
    return _statement ? sqlite3_bind_parameter_count(_statement) : 0;
}

bool FMStatement::bindArguments(const QVariantList &arguments)
{
    const int count = parameterCount();
    if (arguments.size() < count) {
        // Binding fewer would leave the remaining parameters NULL and write
        // NULL where the caller meant a value.
        qCWarning(lcDatabase, "Error: the statement has %d parameters but %d arguments were given",
                  count, int(arguments.size()));
        qCWarning(lcDatabase, "DB Query: %s", qUtf8Printable(_query));
        return false;
    }
    // Only as many as SQLite counts; any further arguments are not used.
    _boundArguments = arguments.mid(0, count);
    for (int i = 0; i < count; ++i) {
        const int rc = fmBindArgument(_statement, i + 1, _boundArguments.at(i));
        if (rc != SQLITE_OK) {
            qCWarning(lcDatabase, "Error binding argument %d (%d: %s)", i + 1, rc,
                      sqlite3_errmsg(sqlite3_db_handle(_statement)));
            return false;
        }
    }
    return true;
}

int FMStatement::reset()
{
    return _statement ? sqlite3_reset(_statement) : SQLITE_OK;
}

int FMStatement::close()
{
    if (!_statement)
        return SQLITE_OK;
    const int rc = sqlite3_finalize(_statement);
    _statement = nullptr;
    _boundArguments.clear();
    return rc;
}
