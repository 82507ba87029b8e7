// The database layer against real SQLite files: opening and closing, how each
// kind of argument is stored, reading NULLs, row ids, result sets cut short,
// the handle after a failure, and two handles on one file from two threads
// (as when the autosave thread writes while the main thread runs a
// statement): the one that meets the other's lock waits, and finishes once
// the lock is released; a lock kept for longer (by another program) makes the
// waiting statement fail instead of hanging.
#include "storage/FMDatabase.h"
#include "support/TestHome.h"

#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <sqlite3.h>

#include <QSemaphore>
#include <chrono>
#include <future>
#include <optional>

namespace {
// What `work` (on a thread of its own) gives once `writer` commits; nothing
// when it did not wait 300 ms for the writer's lock first.
template <typename T>
std::optional<T> afterTheWriterCommits(std::future<T> work, FMDatabase &writer)
{
    const bool waited = work.wait_for(std::chrono::milliseconds(300)) == std::future_status::timeout;
    const bool committed = writer.executeUpdate("COMMIT");
    const T result = work.get();
    return waited && committed ? std::optional<T>(result) : std::nullopt;
}
}

class TestFMDatabase : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> home;
    static constexpr const char *kSharedTable = "CREATE TABLE t (id INTEGER PRIMARY KEY, who TEXT, data BLOB)";
    static constexpr std::chrono::milliseconds kShortLimit{100};
    QString path() const { return home->path() + "/test.sqlite"; }
    // An open handle on a fresh file holding table t with an untyped column,
    // so what is read back is exactly what was bound.
    std::unique_ptr<FMDatabase> openWithTable(const char *createTable = "CREATE TABLE t (v)")
    {
        auto db = FMDatabase::databaseWithPath(path());
        if (!db->open() || !db->executeUpdate(createTable))
            qFatal("cannot set up %s", qPrintable(path()));
        return db;
    }

private slots:
    void init() { home = std::make_unique<TestHome>(); }
    void cleanup() { home.reset(); }

    void eachArgumentKindIsStoredAsItsSqlType_data()
    {
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<QString>("storedType");
        QTest::addColumn<QVariant>("storedValue");
        const auto row = [](const char *name, const QVariant &argument, const char *type, const QVariant &stored) {
            QTest::newRow(name) << argument << QString(type) << stored;
        };
        const QString hostile = "Grüße ✓ 'x'); DROP TABLE t;--";
        row("absent", QVariant(), "null", fmNullObject());
        row("bytes", QByteArray("a\0b", 3), "blob", QByteArray("a\0b", 3));
        row("no bytes", QByteArray(""), "blob", QByteArray());
        row("int", -7, "integer", qint64(-7));
        row("int64 beyond double precision", qint64(9007199254740993), "integer", qint64(9007199254740993));
        row("unsigned beyond int64", std::numeric_limits<quint64>::max(), "text", QString("18446744073709551615"));
        row("double", 0.1, "real", 0.1);
        row("text", hostile, "text", hostile);
        row("empty text", QString(""), "text", QString(""));
        row("other objects: their text", QUrl("https://i.imgur.com/a.png"), "text", QString("https://i.imgur.com/a.png"));
    }

    void eachArgumentKindIsStoredAsItsSqlType()
    {
        QFETCH(QVariant, argument);
        QFETCH(QString, storedType);
        QFETCH(QVariant, storedValue);

        auto db = openWithTable();
        QVERIFY(db->executeUpdate("INSERT INTO t (v) VALUES (?)", {argument}));
        auto rows = db->executeQuery("SELECT typeof(v) AS type, v FROM t");
        QVERIFY(rows && rows->next());
        const QVariantMap row = rows->resultDict();
        QCOMPARE(row.value("type").toString(), storedType);
        if (fmIsNullObject(storedValue))
            QVERIFY(fmIsNullObject(row.value("v")));
        else
            QCOMPARE(row.value("v"), storedValue);
    }

    void nullsAndEmptyValuesReadDistinctly()
    {
        auto db = openWithTable("CREATE TABLE comics (id INTEGER, title TEXT, thumbnail BLOB, n TEXT)");
        QVERIFY(db->executeUpdate("INSERT INTO comics VALUES (NULL, NULL, NULL, 'abc')"));
        QVERIFY(db->executeUpdate("INSERT INTO comics VALUES (?, ?, ?, ?)",
                                  {7, QString(""), QByteArray(""), QString("12abc")}));

        auto rows = db->executeQuery("SELECT id, title, thumbnail, n FROM comics ORDER BY rowid");
        QVERIFY(rows && rows->next());
        QCOMPARE(rows->intForColumn("id"), 0);
        QVERIFY(rows->stringForColumn("title").isNull());
        QVERIFY(rows->dataForColumn("thumbnail").isNull());
        QCOMPARE(rows->intForColumn("n"), 0); // non-numeric text

        QVERIFY(rows->next());
        QCOMPARE(rows->intForColumn("id"), 7);
        QVERIFY(!rows->stringForColumn("title").isNull() && rows->stringForColumn("title").isEmpty());
        QVERIFY(!rows->dataForColumn("thumbnail").isNull());
        QCOMPARE(rows->intForColumn("n"), 12); // leading digits, as SQLite converts
        const QVariantMap values = rows->resultDict();
        QCOMPARE(values.value("thumbnail").metaType().id(), QMetaType::QByteArray);
        QCOMPARE(values.value("title").metaType().id(), QMetaType::QString);
        QVERIFY(!rows->next());
        QVERIFY(db->executeQuery("SELECT id FROM comics")->resultDict().isEmpty()); // before the first row
    }

    void failedStatementsGiveNothingAndLeaveTheHandleAsItWas()
    {
        FMDatabase unreachable(home->path() + "/no/such/folder/x.sqlite");
        QVERIFY(!unreachable.open());
        QVERIFY(!unreachable.executeUpdate("DELETE FROM t"));
        QVERIFY(!unreachable.executeQuery("SELECT 1"));
        QVERIFY(unreachable.close());

        auto db = openWithTable("CREATE TABLE t (id INTEGER PRIMARY KEY, v)");
        QVERIFY(db->open()); // already open
        QVERIFY(!db->executeQuery("SELECT * FROM missing")); // does not prepare
        QVERIFY(!db->executeUpdate("DELETE FROM missing"));
        QCOMPARE(db->lastInsertRowId(), 0);
        QVERIFY(db->executeUpdate("INSERT INTO t (id, v) VALUES (?, ?)", {41, "a"}));
        QVERIFY(db->executeUpdate("INSERT INTO t (v) VALUES (?)", {"b"}));
        QCOMPARE(db->lastInsertRowId(), 42);
        QVERIFY(!db->executeUpdate("INSERT INTO t (id) VALUES (?)", {41}));
        QVERIFY(!db->executeUpdate("INSERT INTO t (id, v) VALUES (?, ?)", {44})); // too few arguments: nothing bound
        QVERIFY(!db->executeUpdate("INSERT INTO t (id) VALUES (abs(-9223372036854775807 - 1))"));
        QVERIFY(!db->executeUpdate("SELECT id FROM t")); // a statement that yields a row is no update
        QCOMPARE(db->lastInsertRowId(), 42); // failed inserts leave it
        auto failing = db->executeQuery("SELECT abs(-9223372036854775807 - 1)");
        QVERIFY(failing && !failing->next() && !failing->next());
        QVERIFY(!db->executeQuery("INSERT INTO t (id) VALUES (41) RETURNING id")->next());
        QVERIFY(db->executeUpdate("INSERT INTO t (id) VALUES (?)", {43}));
        QVERIFY(!db->inUse());

        FMDatabase other(path());
        QVERIFY(other.open());
        QCOMPARE(other.lastInsertRowId(), 0);
    }

    void queryArgumentsLiveAsLongAsTheirRows()
    {
        // The blob is a temporary and is bound without copying: the result
        // set must keep it alive until its rows are read.
        auto db = openWithTable();
        auto rows = db->executeQuery("SELECT ? AS b, ? AS t", {QByteArray(50000, 'x'), QString(1000, QChar('y'))});
        QVERIFY(rows);
        QByteArray churn(50000, 'z'); // reuse freed memory, if any was freed
        QVERIFY(rows->next());
        QCOMPARE(rows->dataForColumn("b"), QByteArray(50000, 'x'));
        QCOMPARE(rows->stringForColumn("t"), QString(1000, QChar('y')));
    }

    void closingTheHandleEndsItsResultSets()
    {
        auto db = openWithTable();
        for (int i = 0; i < 3; ++i)
            QVERIFY(db->executeUpdate("INSERT INTO t (v) VALUES (?)", {i}));

        auto drained = db->executeQuery("SELECT v FROM t");
        while (drained->next()) {
        }
        QCOMPARE(sqlite3_next_stmt(db->sqliteHandle(), nullptr), nullptr);

        auto midway = db->executeQuery("SELECT v FROM t");
        auto untouched = db->executeQuery("SELECT v FROM t");
        QVERIFY(midway->next());
        QTest::failOnWarning(QRegularExpression(".*")); // no statement is left to leak
        QVERIFY(db->close() && db->close());
        QVERIFY(!db->isOpen());
        QVERIFY(!midway->next());
        QVERIFY(!untouched->next());

        db.reset(); // the sets outlive their handle
        QVERIFY(!midway->next());
    }

    void aWriteWaitsForTheWriterHoldingTheDatabase_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::newRow("exclusive: waits to read the schema") << "BEGIN EXCLUSIVE";
        QTest::newRow("immediate: prepares, waits to write") << "BEGIN IMMEDIATE";
    }

    void aWriteWaitsForTheWriterHoldingTheDatabase()
    {
        QFETCH(QString, lock);
        auto holder = openWithTable(kSharedTable);
        FMDatabase &writer = *holder;
        QVERIFY(writer.executeUpdate(lock));
        QVERIFY(writer.executeUpdate("INSERT INTO t (who) VALUES (?)", {"writer"}));

        auto waiter = std::async(std::launch::async, [this] {
            FMDatabase db(path());
            return db.open() && db.executeUpdate("INSERT INTO t (who) VALUES (?)", {"waiter"});
        });
        QCOMPARE(afterTheWriterCommits(std::move(waiter), writer), std::optional<bool>(true));
        auto rows = writer.executeQuery("SELECT group_concat(who) AS who FROM (SELECT who FROM t ORDER BY id)");
        QVERIFY(rows && rows->next());
        QCOMPARE(rows->stringForColumn("who"), QString("writer,waiter"));
    }

    void aReadWaitsInNextForTheWriter()
    {
        auto holder = openWithTable(kSharedTable);
        FMDatabase &writer = *holder;
        QSemaphore prepared, locked;
        auto waiter = std::async(std::launch::async, [&] {
            FMDatabase db(path());
            db.open();
            auto rows = db.executeQuery("SELECT count(*) AS n FROM t");
            prepared.release();
            locked.acquire();
            return rows && rows->next() ? rows->intForColumn("n") : -1;
        });
        prepared.acquire();
        QVERIFY(writer.executeUpdate("BEGIN EXCLUSIVE"));
        QVERIFY(writer.executeUpdate("INSERT INTO t (who) VALUES (?)", {"writer"}));
        locked.release();
        QCOMPARE(afterTheWriterCommits(std::move(waiter), writer), std::optional<int>(1)); // the committed row
    }

    void aLockKeptPastTheLimitFailsEveryKindOfCallUntilReleased()
    {
        // A handle left as made (plain) stops waiting too: a lock kept by
        // another program ends in a failed statement after a few seconds,
        // not in a frozen window.
        auto holder = openWithTable(kSharedTable);
        FMDatabase &writer = *holder;
        FMDatabase limited(path()), withoutSchema(path()), counted(path()), plain(path());
        QVERIFY(limited.open() && withoutSchema.open() && counted.open() && plain.open());
        limited.setBusyTimeLimit(kShortLimit);
        withoutSchema.setBusyTimeLimit(kShortLimit);
        counted.setBusyRetryTimeout(3); // a count limit ends the wait too
        auto preparedBeforeTheLock = limited.executeQuery("SELECT count(*) AS n FROM t");
        QVERIFY(counted.executeUpdate("DELETE FROM t WHERE id = 0")); // reads the schema
        QVERIFY(plain.executeUpdate("DELETE FROM t WHERE id = 0"));
        QVERIFY(writer.executeUpdate("BEGIN EXCLUSIVE"));

        QVERIFY(!limited.executeUpdate("INSERT INTO t (who) VALUES (?)", {"late"})); // in step
        QVERIFY(limited.busyTimedOut());
        QVERIFY(!withoutSchema.executeQuery("SELECT * FROM t"));                    // in prepare
        QVERIFY(withoutSchema.busyTimedOut());
        QVERIFY(!preparedBeforeTheLock->next());                                     // in next
        QVERIFY(limited.busyTimedOut());
        QVERIFY(!counted.executeUpdate("INSERT INTO t (who) VALUES (?)", {"counted"}));
        QVERIFY(!plain.executeUpdate("INSERT INTO t (who) VALUES (?)", {"plain"}));

        QVERIFY(writer.executeUpdate("COMMIT"));
        QVERIFY(limited.executeUpdate("INSERT INTO t (who) VALUES (?)", {"later"}));
        QVERIFY(!limited.busyTimedOut());
        QVERIFY(withoutSchema.executeQuery("SELECT * FROM t"));
        QVERIFY(plain.executeUpdate("INSERT INTO t (who) VALUES (?)", {"plain"}));
    }
};

QTEST_GUILESS_MAIN(TestFMDatabase)
#include "tst_fmdatabase.moc"
