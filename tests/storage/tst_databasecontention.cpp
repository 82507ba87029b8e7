// Two handles on one file from two threads, as when the autosave thread writes
// while the main thread runs a statement: the one that meets the other's lock
// waits, and finishes once the lock is released. A lock kept for longer (by
// another program) makes the waiting statement fail instead of hanging.
#include "storage/FMDatabase.h"
#include "support/TestHome.h"

#include <QSemaphore>
#include <QTest>

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

class TestDatabaseContention : public QObject
{
    Q_OBJECT

private:
    static constexpr std::chrono::milliseconds kShortLimit{100};
    std::unique_ptr<TestHome> home;
    QString path() const { return home->path() + "/shared.sqlite"; }

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        FMDatabase db(path());
        QVERIFY(db.open() && db.executeUpdate("CREATE TABLE t (id INTEGER PRIMARY KEY, who TEXT, data BLOB)"));
    }
    void cleanup() { home.reset(); }

    void aWriteWaitsForTheWriterHoldingTheDatabase_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::newRow("exclusive: waits to read the schema") << "BEGIN EXCLUSIVE";
        QTest::newRow("immediate: prepares, waits to write") << "BEGIN IMMEDIATE";
    }

    void aWriteWaitsForTheWriterHoldingTheDatabase()
    {
        QFETCH(QString, lock);
        FMDatabase writer(path());
        QVERIFY(writer.open() && writer.executeUpdate(lock));
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
        FMDatabase writer(path());
        QVERIFY(writer.open() && writer.executeUpdate("BEGIN EXCLUSIVE"));
        QVERIFY(writer.executeUpdate("INSERT INTO t (who) VALUES (?)", {"writer"}));
        locked.release();
        QCOMPARE(afterTheWriterCommits(std::move(waiter), writer), std::optional<int>(1)); // the committed row
    }

    void aLockKeptPastTheLimitFailsEveryKindOfCallUntilReleased()
    {
        // A handle left as made (plain) stops waiting too: a lock kept by
        // another program ends in a failed statement after a few seconds,
        // not in a frozen window.
        FMDatabase writer(path()), limited(path()), withoutSchema(path()), counted(path()), plain(path());
        QVERIFY(writer.open() && limited.open() && withoutSchema.open() && counted.open() && plain.open());
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

QTEST_GUILESS_MAIN(TestDatabaseContention)
#include "tst_databasecontention.moc"
