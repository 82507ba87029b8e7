// Two handles on one file from two threads, as when the autosave thread writes
// while the main thread runs a statement: the one that meets the other's lock
// waits, and finishes once the lock is released. A lock kept for longer (by
// another program) makes the waiting statement fail instead of hanging.
#include "storage/FMDatabase.h"
#include "support/TestHome.h"

#include <QRegularExpression>
#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace {
// Work on a thread of its own that is expected to wait for `writer`'s lock.
struct Waiter
{
    std::atomic<bool> finished{false};
    std::thread thread;

    explicit Waiter(std::function<void()> work)
        : thread([this, work] {
            work();
            finished = true;
        })
    {
    }
    // True when the work was still waiting after 300 ms; commits either way.
    bool stillWaitingThenCommit(FMDatabase &writer)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const bool waiting = !finished;
        const bool committed = writer.executeUpdate("COMMIT");
        thread.join();
        return waiting && committed;
    }
};
}

class TestDatabaseContention : public QObject
{
    Q_OBJECT

private:
    static constexpr std::chrono::milliseconds kShortLimit{100};
    std::unique_ptr<TestHome> home;
    QString path() const { return home->path() + "/shared.sqlite"; }

    // The two lines of each call that gave up on the busy database.
    void expectBusyLog(int calls)
    {
        const QRegularExpression busy("^.+:\\d+ Database busy \\(.*/shared\\.sqlite\\)$");
        for (int i = 0; i < calls; ++i) {
            QTest::ignoreMessage(QtWarningMsg, busy);
            QTest::ignoreMessage(QtWarningMsg, "Database busy");
        }
    }

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        FMDatabase db(path());
        QVERIFY(db.open() && db.executeUpdate("CREATE TABLE t (id INTEGER PRIMARY KEY, who TEXT, data BLOB)"));
        QTest::failOnWarning(QRegularExpression(".*")); // waiting within the limit logs nothing
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

        bool inserted = false;
        Waiter waiter([&] {
            FMDatabase db(path());
            inserted = db.open() && db.executeUpdate("INSERT INTO t (who) VALUES (?)", {"waiter"});
        });
        QVERIFY(waiter.stillWaitingThenCommit(writer));
        QVERIFY(inserted);
        auto rows = writer.executeQuery("SELECT group_concat(who) AS who FROM (SELECT who FROM t ORDER BY id)");
        QVERIFY(rows && rows->next());
        QCOMPARE(rows->stringForColumn("who"), QString("writer,waiter"));
    }

    void aReadWaitsInNextForTheWriter()
    {
        QSemaphore prepared, locked;
        int seen = -1;
        Waiter waiter([&] {
            FMDatabase db(path());
            db.open();
            auto rows = db.executeQuery("SELECT count(*) AS n FROM t");
            prepared.release();
            locked.acquire();
            if (rows && rows->next())
                seen = rows->intForColumn("n");
        });
        prepared.acquire();
        FMDatabase writer(path());
        QVERIFY(writer.open() && writer.executeUpdate("BEGIN EXCLUSIVE"));
        QVERIFY(writer.executeUpdate("INSERT INTO t (who) VALUES (?)", {"writer"}));
        locked.release();
        QVERIFY(waiter.stillWaitingThenCommit(writer));
        QCOMPARE(seen, 1); // the committed row
    }

    void twoThreadsSavingAtOnceBothFinish()
    {
        // Like the autosave thread and the main thread storing pictures.
        constexpr int savesPerThread = 60;
        std::atomic<int> failures{0};
        const auto saves = [&](QString who) {
            const QByteArray picture(50 * 1024, who.at(0).toLatin1());
            for (int i = 0; i < savesPerThread; ++i) {
                FMDatabase db(path());
                if (!db.open() || !db.executeUpdate("UPDATE t SET data = ? WHERE id = ?", {picture, 1})
                    || !db.executeUpdate("INSERT INTO t (who, data) VALUES (?, ?)", {who, picture}))
                    ++failures;
            }
        };
        std::thread autosave(saves, "autosave"), main(saves, "main");
        autosave.join();
        main.join();

        QCOMPARE(failures.load(), 0);
        FMDatabase db(path());
        auto rows = db.open() ? db.executeQuery("SELECT count(*) AS n FROM t") : nullptr;
        QVERIFY(rows && rows->next());
        QCOMPARE(rows->intForColumn("n"), 2 * savesPerThread);
    }

    void aLockKeptPastTheLimitFailsEveryKindOfCallUntilReleased()
    {
        FMDatabase writer(path()), limited(path()), withoutSchema(path()), counted(path());
        QVERIFY(writer.open() && limited.open() && withoutSchema.open() && counted.open());
        limited.setBusyTimeLimit(kShortLimit);
        withoutSchema.setBusyTimeLimit(kShortLimit);
        counted.setBusyRetryTimeout(3); // a count limit ends the wait too
        auto preparedBeforeTheLock = limited.executeQuery("SELECT count(*) AS n FROM t");
        QVERIFY(counted.executeUpdate("DELETE FROM t WHERE id = 0")); // reads the schema
        QVERIFY(writer.executeUpdate("BEGIN EXCLUSIVE"));

        expectBusyLog(4);
        QVERIFY(!limited.executeUpdate("INSERT INTO t (who) VALUES (?)", {"late"})); // in step
        QVERIFY(limited.busyTimedOut());
        QVERIFY(!withoutSchema.executeQuery("SELECT * FROM t"));                    // in prepare
        QVERIFY(withoutSchema.busyTimedOut());
        QVERIFY(!preparedBeforeTheLock->next());                                     // in next
        QVERIFY(limited.busyTimedOut());
        QVERIFY(!counted.executeUpdate("INSERT INTO t (who) VALUES (?)", {"counted"}));

        QVERIFY(writer.executeUpdate("COMMIT"));
        QVERIFY(limited.executeUpdate("INSERT INTO t (who) VALUES (?)", {"later"}));
        QVERIFY(!limited.busyTimedOut());
        QVERIFY(withoutSchema.executeQuery("SELECT * FROM t"));
    }

    void aHandleLeftAsMadeStopsWaitingToo()
    {
        // Nothing set: a lock kept by another program still ends in a failed
        // statement after a few seconds, not in a frozen window.
        FMDatabase writer(path()), plain(path());
        QVERIFY(writer.open() && plain.open());
        QVERIFY(writer.executeUpdate("BEGIN IMMEDIATE") && writer.executeUpdate("INSERT INTO t (who) VALUES ('w')"));
        expectBusyLog(1);
        QVERIFY(!plain.executeUpdate("INSERT INTO t (who) VALUES (?)", {"plain"}));
        QVERIFY(writer.executeUpdate("COMMIT"));
        QVERIFY(plain.executeUpdate("INSERT INTO t (who) VALUES (?)", {"plain"}));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseContention)
#include "tst_databasecontention.moc"
