#pragma once
#include <QSet>
#include <QString>
#include <QVariantList>

#include <chrono>
#include <initializer_list>
#include <memory>

#include "storage/FMBusyBackoff.h"
#include "storage/FMResultSet.h"

struct sqlite3;
class FMStatement;

// One SQLite connection over the SQLite 3 C API, used in a short-lived
// pattern: make it for a path, open(), run a few statements, close() (also
// when open() failed). A handle belongs to the thread that made it; two
// threads use two handles, and SQLite's file locking orders them: busy and
// locked answers are retried with a growing pause, for at most
// busyTimeLimit() of wall time (3 s unless set) and, when busyRetryTimeout
// is set, at most that many retries. Then the call (preparing, a step, a
// row of a result set, or close()) fails and logs that the database was
// busy. So no call waits without end for a lock that another program keeps.
//
// Arguments are bound to the `?` marks in order, one QVariant each (see
// FMArgumentBinding.h for how each kind is stored). Nothing is thrown: every
// failure is a line in the "panelry.database" log and a false or empty result.
//
// An open result set holds a read lock until it is read to the end or closed;
// a write through another handle on the same thread cannot get past it and
// fails once the busy limits run out.
class FMDatabase
{
public:
    // A path that is empty opens a private in-memory database.
    explicit FMDatabase(const QString &databasePath = QString());
    ~FMDatabase();
    FMDatabase(const FMDatabase &) = delete;
    FMDatabase &operator=(const FMDatabase &) = delete;

    static std::unique_ptr<FMDatabase> databaseWithPath(const QString &databasePath);

    QString databasePath() const { return _databasePath; }

    // Creates a missing file. True when open (also when it already was).
    // A handle on the user database keeps a write-ahead log and commits
    // with synchronous=NORMAL (see UserDatabase.h). Where that log cannot
    // be used (a read-only folder or file system, a full disk: no -shm file
    // can be made), the handle opens the file read-only instead, as it is
    // on disk, so what is stored can still be read; writes then fail.
    bool open();
    // Opens the file as it is, to look at it: the user database is not
    // switched to its log (see open()), so a file that turns out damaged is
    // kept as it was found.
    bool openAsItIs();
    // Closes every open result set and finalizes statements left behind.
    // True unless the busy limits ran out (the handle then stays open, and
    // is let go when it is destroyed).
    bool close();

    // INSERT, UPDATE, DELETE and other statements that yield no row. True
    // when the statement ran to completion; a statement that yields a row
    // is treated as a failure.
    bool executeUpdate(const QString &sql, std::initializer_list<QVariant> arguments = {});
    bool executeUpdate(const QString &sql, const QVariantList &arguments);

    // A result set before its first row, or nullptr on failure.
    std::unique_ptr<FMResultSet> executeQuery(const QString &sql, std::initializer_list<QVariant> arguments = {});
    std::unique_ptr<FMResultSet> executeQuery(const QString &sql, const QVariantList &arguments);

    // Row id of the latest successful INSERT on this connection; 0 if none.
    qint64 lastInsertRowId() const;

    // The longest a statement waits, in all, for another connection's lock:
    // far longer than our own short statements hold one (the autosave
    // thread's writes), short enough that a lock kept by another program
    // delays the window by seconds, not for ever.
    static constexpr std::chrono::milliseconds defaultBusyTimeLimit{3000};
    std::chrono::milliseconds busyTimeLimit() const { return _busyTimeLimit; }
    void setBusyTimeLimit(std::chrono::milliseconds limit) { _busyTimeLimit = limit; }
    // A further limit by count: 0 (the default) sets none; N > 0 gives up
    // after more than N retries, even within the time limit.
    int busyRetryTimeout() const { return _busyRetryTimeout; }
    void setBusyRetryTimeout(int retries) { _busyRetryTimeout = retries; }
    // SQLite's primary result code for the latest call of this handle (or
    // the latest next() of one of its result sets) that failed in SQLite;
    // SQLITE_OK (0) after one that succeeded.
    int lastErrorCode() const { return _lastErrorCode; }
    // True when that failure was the database staying busy past the limits:
    // the database may be sound, only held by someone else.
    bool busyTimedOut() const { return _busyTimedOut; }
    // True for a failure that says the file itself is damaged: not a
    // database, corrupt, or a table or column missing. Any other failure
    // (busy, read-only, no room, no permission) says nothing about it.
    static bool isDamage(int errorCode);
    // True when a write transaction can begin: false when the file, its
    // folder or the handle is read-only, or no -shm file can be made beside
    // it (SQLite then reads, but takes no writes). A database held busy by
    // another writer counts as taking writes. Nothing is written.
    bool takesWrites();
    // Off by default: statements that fail to prepare are then not logged.
    bool logsErrors() const { return _logsErrors; }
    void setLogsErrors(bool logsErrors) { _logsErrors = logsErrors; }
    // True only while a call of this handle runs.
    bool inUse() const { return _inUse; }

    bool isOpen() const { return _db != nullptr; }
    sqlite3 *sqliteHandle() const { return _db; }
    // How the handle names itself in the log.
    QString description() const;

private:
    friend class FMResultSet;
    void resultSetDidClose(FMResultSet *resultSet);
    void closeOpenResultSets();
    bool enter();
    bool openWith(const QByteArray &path, int flags);
    int useWriteAheadLog();
    // Records a result: an SQLite result code, or kFMBusyTimedOut.
    void noteResult(int rc);
    std::unique_ptr<FMStatement> prepare(const QString &sql, const QVariantList &arguments);
    bool stepToCompletion(FMStatement &statement);
    FMBusyLimits busyLimits() const { return {_busyTimeLimit, _busyRetryTimeout}; }

    QString _databasePath;
    sqlite3 *_db = nullptr;
    QSet<FMResultSet *> _openResultSets;
    bool _inUse = false;
    std::chrono::milliseconds _busyTimeLimit = defaultBusyTimeLimit;
    int _busyRetryTimeout = 0;
    bool _busyTimedOut = false;
    int _lastErrorCode = 0;
    bool _logsErrors = false;
};
