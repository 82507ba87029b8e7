// The user database across launches in a fresh application home: the
// template is put in place once, comics never saved are purged with their
// pictures, saved ones stay, and the new comic's record and title are stored.
// Every handle on it keeps a write-ahead log, so a reader on another thread
// goes on while a writer holds it; other databases keep their journal.
#include "storage/ComicRecord.h"
#include "storage/StorageLaunch.h"
#include "storage/FMDatabase.h"
#include "support/Files.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/UserDefaults.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <thread>

namespace {
const QRegularExpression utcStamp("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$");

QString pragma(FMDatabase &db, const QString &name)
{
    auto rows = db.executeQuery("PRAGMA " + name);
    return rows && rows->next() ? rows->resultDict().first().toString() : QString();
}
}

class TestUserDatabaseLaunch : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

private slots:
    void init() { home = std::make_unique<TestHome>(); }
    void cleanup() { home.reset(); }

    void firstLaunchPutsTheTemplateInPlace()
    {
        QVERIFY(!StorageLaunch::prepareAtLaunch().damagedDatabaseReplaced()); // the template itself is sound
        QCOMPARE(UserDatabase::path(), home->library() + "/user_db.sqlite");
        QCOMPARE(fileBytes(UserDatabase::path()), fileBytes(UserDatabase::templatePath()));
        QVERIFY(QFile::permissions(UserDatabase::path()) & QFile::WriteOwner);
        QCOMPARE(UserDefaults::objectForKey("autosaveEnabled").toBool(), true);
        QCOMPARE(userDbColumn("SELECT (SELECT count(*) FROM comics) + (SELECT count(*) FROM comicData)"
                        " + (SELECT count(*) FROM history)"), QStringList("0"));
    }

    void theNewComicsRecordIsEmptyStampedInUtcAndTakesATrimmedTitle()
    {
        StorageLaunch::prepareAtLaunch();
        QCOMPARE(ComicRecord::create(), std::optional<int>(1));
        QCOMPARE(ComicRecord::create(), std::optional<int>(2));
        QCOMPARE(userDbColumn("SELECT typeof(title) || ':' || title || ':' || typeof(thumbnail) || ':' || typeof(data)"
                        " FROM comics WHERE id = ?", {1}), QStringList("text::null:null"));

        const QString stamp = userDbColumn("SELECT timestamp FROM comics WHERE id = 1").value(0);
        QVERIFY2(utcStamp.match(stamp).hasMatch(), qPrintable(stamp));
        const QDateTime stamped = QDateTime::fromString(stamp + "Z", "yyyy-MM-dd HH:mm:sst");
        QVERIFY(qAbs(stamped.secsTo(QDateTime::currentDateTimeUtc())) < 600);
        QVERIFY(userDbUpdate("INSERT INTO history (title, link) VALUES (?, ?)", {"t", "https://i.imgur.com/a.png"}));
        QVERIFY(utcStamp.match(userDbColumn("SELECT timestamp FROM history").value(0)).hasMatch());

        QVERIFY(ComicRecord::storeTitle(2, " \t Rage at the \"office\"\n"));
        QVERIFY(ComicRecord::storeTitle(1, "  \n"));
        QCOMPARE(userDbColumn("SELECT typeof(title) || ':' || title FROM comics ORDER BY id"),
                 QStringList({"text:", "text:Rage at the \"office\""}));
    }

    void laterLaunchesKeepSavedComicsAndPurgeUnsavedOnes()
    {
        StorageLaunch::prepareAtLaunch();
        const int saved = *ComicRecord::create();
        const int unsaved = *ComicRecord::create();
        QVERIFY(userDbUpdate("UPDATE comics SET data = ? WHERE id = ?", {QByteArray("archive"), saved}));
        for (int comicId : {saved, saved, unsaved, unsaved})
            QVERIFY(userDbUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, QByteArray("png")}));
        QVERIFY(userDbUpdate("INSERT INTO history (title, link) VALUES (?, ?)", {"t", "l"}));
        UserDefaults::setBool(false, "autosaveEnabled");
        UserDefaults::synchronize();

        QVERIFY(!UserDatabase::copyDBFile()); // the user's file stays
        StorageLaunch::prepareAtLaunch();

        const QString savedId = QString::number(saved);
        QCOMPARE(userDbColumn("SELECT id FROM comics"), QStringList(savedId));
        QCOMPARE(userDbColumn("SELECT comicId FROM comicData"), QStringList({savedId, savedId}));
        QCOMPARE(userDbColumn("SELECT count(*) FROM history"), QStringList("1"));
        QCOMPARE(UserDefaults::objectForKey("autosaveEnabled").toBool(), false);
        QVERIFY(*ComicRecord::create() > unsaved); // ids are never reused
    }

    void aDatabaseThatDoesNotOpenChangesNothing()
    {
        QVERIFY(QDir().mkpath(UserDatabase::path())); // a folder SQLite cannot open
        QVERIFY(!StorageLaunch::prepareAtLaunch().damagedDatabaseReplaced());
        QVERIFY(QFileInfo(UserDatabase::path()).isDir());
        QCOMPARE(ComicRecord::create(), std::nullopt); // the caller keeps its comicId
        QVERIFY(!ComicRecord::storeTitle(1, "title"));
    }

    void aRecordThatCannotBeInsertedGetsNoId()
    {
        QVERIFY(writeFile(UserDatabase::path(), {})); // opens, but has no tables
        QCOMPARE(ComicRecord::create(), std::optional<int>(0));
    }

    void everyHandleKeepsALogAndAReaderGoesOnWhileAWriterHoldsTheDatabase()
    {
        QVERIFY(UserDatabase::copyDBFile());
        FMDatabase writer(UserDatabase::path());
        QVERIFY(writer.open() && writer.executeUpdate("INSERT INTO comics (title) VALUES ('saved before')"));
        QCOMPARE(pragma(writer, "journal_mode"), QString("wal"));
        QCOMPARE(pragma(writer, "synchronous"), QString("1")); // NORMAL: commits without waiting for the disk
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
        QDir().mkpath(home->library());
        for (const QString &path : {UserDatabase::path(), home->library() + "/other.sqlite"}) {
            FMDatabase older(path); // the old journal mode, as an earlier version left it
            QVERIFY(older.open());
            QCOMPARE(pragma(older, "journal_mode=DELETE"), QString("delete"));
            QVERIFY(older.executeUpdate("CREATE TABLE IF NOT EXISTS t (id INTEGER PRIMARY KEY)"));
        }
        FMDatabase user(UserDatabase::path()), plain(home->library() + "/other.sqlite");
        QVERIFY(user.open() && plain.open());
        QCOMPARE(pragma(user, "journal_mode"), QString("wal"));
        QCOMPARE(pragma(plain, "journal_mode"), QString("delete"));
    }
};

QTEST_GUILESS_MAIN(TestUserDatabaseLaunch)
#include "tst_userdatabaselaunch.moc"
