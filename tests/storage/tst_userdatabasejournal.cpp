// The user database keeps a write-ahead log on every handle: a reader on
// another thread goes on while a writer holds the database, one from an
// older version is switched over, and other databases keep their journal.
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"
#include "support/TestHome.h"

#include <QFile>
#include <QTest>

#include <thread>

namespace {
QString pragma(FMDatabase &db, const QString &name)
{
    auto rows = db.executeQuery("PRAGMA " + name);
    return rows && rows->next() ? rows->resultDict().first().toString() : QString();
}

// A database file in the old journal mode, as an earlier version left it.
void makeRollbackDatabase(const QString &path)
{
    FMDatabase db(path);
    QVERIFY(db.open());
    QCOMPARE(pragma(db, "journal_mode=DELETE"), QString("delete"));
    QVERIFY(db.executeUpdate("CREATE TABLE IF NOT EXISTS t (id INTEGER PRIMARY KEY)"));
}
}

class TestUserDatabaseJournal : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        QVERIFY(UserDatabase::copyDBFile());
    }
    void cleanup() { home.reset(); }

    void everyHandleKeepsALogAndCommitsWithoutWaitingForTheDisk()
    {
        for (int handle = 0; handle < 2; ++handle) {
            FMDatabase db(UserDatabase::path());
            QVERIFY(db.open());
            QCOMPARE(pragma(db, "journal_mode"), QString("wal"));
            QCOMPARE(pragma(db, "synchronous"), QString("1")); // NORMAL
        }
    }

    void aReaderGoesOnWhileAWriterHoldsTheDatabase()
    {
        FMDatabase writer(UserDatabase::path());
        QVERIFY(writer.open() && writer.executeUpdate("INSERT INTO comics (title) VALUES ('saved before')"));
        QVERIFY(writer.executeUpdate("BEGIN EXCLUSIVE"));
        QVERIFY(writer.executeUpdate("INSERT INTO comics (title) VALUES ('being written')"));

        // Another thread's handle, as the autosave's: with a rollback journal
        // it would wait for the writer and give up.
        QString seen;
        bool busy = true;
        std::thread reader([&] {
            FMDatabase db(UserDatabase::path());
            db.setBusyTimeLimit(std::chrono::milliseconds(200));
            if (auto rows = db.open() ? db.executeQuery("SELECT group_concat(title) AS titles FROM comics") : nullptr)
                if (rows->next())
                    seen = rows->stringForColumn("titles");
            busy = db.busyTimedOut();
        });
        reader.join();
        QVERIFY(!busy);
        QCOMPARE(seen, QString("saved before")); // what was committed
        QVERIFY(writer.executeUpdate("COMMIT"));
    }

    void anOlderUserDatabaseIsSwitchedOverAndOthersAreLeftAlone()
    {
        QVERIFY(QFile::remove(UserDatabase::path()));
        makeRollbackDatabase(UserDatabase::path());
        const QString other = home->library() + "/other.sqlite";
        makeRollbackDatabase(other);

        FMDatabase user(UserDatabase::path()), plain(other);
        QVERIFY(user.open() && plain.open());
        QCOMPARE(pragma(user, "journal_mode"), QString("wal"));
        QCOMPARE(pragma(plain, "journal_mode"), QString("delete"));
    }
};

QTEST_GUILESS_MAIN(TestUserDatabaseJournal)
#include "tst_userdatabasejournal.moc"
