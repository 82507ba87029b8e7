// The user database across launches in a fresh application home: the
// template is put in place once, comics never saved are purged with their
// pictures, saved ones stay, and the new comic's record and title are stored.
#include "storage/ComicRecord.h"
#include "storage/StorageLaunch.h"
#include "support/Files.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/UserDefaults.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {
const QRegularExpression utcStamp("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$");
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

    void theNewComicsRecordIsEmptyAndStampedInUtc()
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
    }

    void aTitleIsStoredTrimmedInItsOwnRecord()
    {
        StorageLaunch::prepareAtLaunch();
        const int first = *ComicRecord::create();
        const int second = *ComicRecord::create();
        QVERIFY(ComicRecord::storeTitle(second, " \t Rage at the \"office\"\n"));
        QVERIFY(ComicRecord::storeTitle(first, "  \n"));
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
        for (int i = 0; i < 4; ++i) // the handle kept open, the clean-up, the record, the title
            QTest::ignoreMessage(QtWarningMsg, "error opening!: 14");
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
};

QTEST_GUILESS_MAIN(TestUserDatabaseLaunch)
#include "tst_userdatabaselaunch.moc"
