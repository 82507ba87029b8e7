#include "storage/FMDatabase.h"

#include "storage/FMBusyStep.h"
#include "storage/FMDatabaseLog.h"
#include "storage/FMStatement.h"
#include "storage/UserDatabase.h"

#include <QUrl>

#include <sqlite3.h>

#include <atomic>

namespace {
bool isBusy(int rc) { return rc == SQLITE_BUSY || rc == SQLITE_LOCKED; }
}

FMDatabase::FMDatabase(const QString &databasePath)
    : _databasePath(databasePath)
{
}

FMDatabase::~FMDatabase()
{
    close();
    if (_db) // only when a busy limit stopped close(): let SQLite finish it later
        sqlite3_close_v2(_db);
}

std::unique_ptr<FMDatabase> FMDatabase::databaseWithPath(const QString &databasePath)
{
    return std::make_unique<FMDatabase>(databasePath);
}

QString FMDatabase::description() const
{
    return QStringLiteral("<FMDatabase: 0x%1 %2>")
        .arg(quintptr(this), 0, 16)
        .arg(_databasePath.isEmpty() ? QStringLiteral(":memory:") : _databasePath);
}

bool FMDatabase::open()
{
    if (_db)
        return true;
    if (!openAsItIs())
        return false;
    if (!UserDatabase::isUserDatabase(_databasePath))
        return true;
    // Busy: another program holds the file in a transaction, a later handle
    // sets the log. Damage: the statements fail and say so.
    const int rc = useWriteAheadLog();
    if (rc == SQLITE_OK || isBusy(rc) || isDamage(rc))
        return true;
    static std::atomic<bool> logged = false; // once, not at every handle
    if (!logged.exchange(true))
        qCWarning(lcDatabase, "The database %s cannot be written (%d: %s); reading it as it is on disk.",
                  qUtf8Printable(_databasePath), rc, sqlite3_errstr(rc));
    sqlite3_close(_db);
    _db = nullptr;
    // Immutable: no -shm, no locks, nothing written beside the file.
    return openWith(QUrl::fromLocalFile(_databasePath).toEncoded() + "?immutable=1",
                    SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

bool FMDatabase::openAsItIs()
{
    if (_db)
        return true;
    return openWith(_databasePath.isEmpty() ? QByteArray(":memory:") : _databasePath.toUtf8(),
                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

bool FMDatabase::openWith(const QByteArray &path, int flags)
{
    const int rc = sqlite3_open_v2(path.constData(), &_db, flags, nullptr);
    noteResult(rc);
    if (rc != SQLITE_OK) {
        qCWarning(lcDatabase, "error opening!: %d", rc);
        sqlite3_close(_db); // SQLite hands out a handle even when opening fails
        _db = nullptr;
        return false;
    }
    return true;
}

int FMDatabase::useWriteAheadLog()
{
    // The mode is stored in the file: once set this only reads it, which
    // needs the -shm file beside it.
    const int rc = sqlite3_exec(_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    return rc;
}

bool FMDatabase::isDamage(int errorCode)
{
    // A missing table or column fails to prepare with the generic error.
    const int primary = errorCode & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB || primary == SQLITE_ERROR;
}

bool FMDatabase::takesWrites()
{
    if (!_db || sqlite3_db_readonly(_db, "main") == 1)
        return false;
    if (!executeUpdate("BEGIN IMMEDIATE"))
        return busyTimedOut();
    executeUpdate("ROLLBACK");
    return true;
}

void FMDatabase::noteResult(int rc)
{
    _busyTimedOut = rc == kFMBusyTimedOut;
    if (_busyTimedOut)
        _lastErrorCode = SQLITE_BUSY;
    else
        _lastErrorCode = rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc & 0xff;
}

bool FMDatabase::close()
{
    closeOpenResultSets();
    if (!_db)
        return true;

    FMBusyBackoff backoff(busyLimits());
    bool triedFinalizingOpenStatements = false;
    int rc;
    bool retry;
    do {
        retry = false;
        rc = sqlite3_close(_db);
        if (isBusy(rc)) {
            retry = true;
            if (!triedFinalizingOpenStatements) {
                triedFinalizingOpenStatements = true;
                while (sqlite3_stmt *leaked = sqlite3_next_stmt(_db, nullptr)) {
                    qCWarning(lcDatabase, "Closing leaked statement");
                    sqlite3_finalize(leaked);
                }
            }
            if (!backoff.pauseBeforeRetry()) {
                qCWarning(lcDatabase, "%s:%d", Q_FUNC_INFO, __LINE__);
                qCWarning(lcDatabase, "Database busy, unable to close");
                noteResult(kFMBusyTimedOut);
                return false;
            }
        } else if (rc != SQLITE_OK) {
            qCWarning(lcDatabase, "error closing!: %d", rc);
        }
    } while (retry);

    _db = nullptr;
    return true;
}

void FMDatabase::closeOpenResultSets()
{
    // Each close() removes its set from _openResultSets, so work on a copy.
    const QSet<FMResultSet *> openResultSets = _openResultSets;
    for (FMResultSet *resultSet : openResultSets) {
        resultSet->detachFromDatabase();
        resultSet->close();
    }
    _openResultSets.clear();
}

void FMDatabase::resultSetDidClose(FMResultSet *resultSet) { _openResultSets.remove(resultSet); }

qint64 FMDatabase::lastInsertRowId() const
{
    return _db ? sqlite3_last_insert_rowid(_db) : 0;
}

bool FMDatabase::enter()
{
    if (!_db) {
        qCWarning(lcDatabase, "The FMDatabase %s is not open.", qUtf8Printable(description()));
        return false;
    }
    if (_inUse) {
        qCWarning(lcDatabase, "The FMDatabase %s is currently in use.", qUtf8Printable(description()));
        return false;
    }
    _inUse = true;
    noteResult(SQLITE_OK);
    return true;
}

std::unique_ptr<FMStatement> FMDatabase::prepare(const QString &sql, const QVariantList &arguments)
{
    const QByteArray utf8 = sql.toUtf8();
    FMBusyBackoff backoff(busyLimits());
    sqlite3_stmt *statement = nullptr;
    int rc;
    bool retry;
    do {
        retry = false;
        rc = sqlite3_prepare_v2(_db, utf8.constData(), int(utf8.size()), &statement, nullptr);
        if (isBusy(rc)) {
            retry = true;
            if (!backoff.pauseBeforeRetry()) {
                FM_LOG_BUSY_TIMEOUT(_databasePath);
                noteResult(kFMBusyTimedOut);
                sqlite3_finalize(statement);
                return nullptr;
            }
        } else if (rc != SQLITE_OK) {
            noteResult(rc);
            if (_logsErrors) {
                qCWarning(lcDatabase, "DB Error: %d \"%s\"", sqlite3_errcode(_db), sqlite3_errmsg(_db));
                qCWarning(lcDatabase, "DB Query: %s", qUtf8Printable(sql));
            }
            sqlite3_finalize(statement);
            return nullptr;
        }
    } while (retry);

    // Text that holds only white space or comments prepares to no statement.
    auto prepared = std::make_unique<FMStatement>(statement, sql);
    if (!statement || !prepared->bindArguments(arguments))
        return nullptr;
    return prepared;
}

bool FMDatabase::stepToCompletion(FMStatement &prepared)
{
    const int rc = fmStepRetryingWhileBusy(prepared.statement(), busyLimits(), "eu", _databasePath);
    noteResult(rc);
    if (rc == kFMBusyTimedOut)
        return false;
    if (rc == SQLITE_ERROR || rc == SQLITE_MISUSE) {
        qCWarning(lcDatabase, "Error calling sqlite3_step (%d: %s) %s", rc, sqlite3_errmsg(_db),
                  rc == SQLITE_ERROR ? "SQLITE_ERROR" : "SQLITE_MISUSE");
        qCWarning(lcDatabase, "DB Query: %s", qUtf8Printable(prepared.query()));
    } else if (rc != SQLITE_DONE) {
        // SQLITE_ROW lands here too: an update statement must not yield rows.
        qCWarning(lcDatabase, "Unknown error calling sqlite3_step (%d: %s) eu", rc, sqlite3_errmsg(_db));
        qCWarning(lcDatabase, "DB Query: %s", qUtf8Printable(prepared.query()));
    }

    // Finalizing reports the error of a failed step, so its answer decides.
    const int closeRc = prepared.close();
    if (rc == SQLITE_DONE)
        noteResult(closeRc);
    return rc == SQLITE_DONE && closeRc == SQLITE_OK;
}

bool FMDatabase::executeUpdate(const QString &sql, std::initializer_list<QVariant> arguments)
{
    return executeUpdate(sql, QVariantList(arguments));
}

bool FMDatabase::executeUpdate(const QString &sql, const QVariantList &arguments)
{
    if (!enter())
        return false;
    std::unique_ptr<FMStatement> statement = prepare(sql, arguments);
    const bool done = statement && stepToCompletion(*statement);
    statement.reset();
    _inUse = false;
    return done;
}

std::unique_ptr<FMResultSet> FMDatabase::executeQuery(const QString &sql, std::initializer_list<QVariant> arguments)
{
    return executeQuery(sql, QVariantList(arguments));
}

std::unique_ptr<FMResultSet> FMDatabase::executeQuery(const QString &sql, const QVariantList &arguments)
{
    if (!enter())
        return nullptr;
    std::unique_ptr<FMStatement> statement = prepare(sql, arguments);
    std::unique_ptr<FMResultSet> resultSet;
    if (statement) {
        resultSet = std::make_unique<FMResultSet>(std::move(statement), this);
        _openResultSets.insert(resultSet.get());
    }
    _inUse = false;
    return resultSet;
}
