// The user database across launches in a fresh application home: the
// template is put in place once, comics never saved are purged with their
// pictures, saved ones stay, and the new comic's record and title are stored.
#include "storage/ComicRecord.h"
#include "storage/FMDatabase.h"
#include "storage/StorageLaunch.h"
#include "storage/UserDatabase.h"
#include "support/TestHome.h"
#include "toolkit/UserDefaults.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first column of every row of a query on the user database, as text.
QStringList column(const QString &sql, const QVariantList &arguments = {})
{
    FMDatabase db(UserDatabase::path());
    QStringList values;
    if (auto rows = db.open() ? db.executeQuery(sql, arguments) : nullptr)
        while (rows->next())
            values << rows->resultDict().first().toString();
    return values;
}

bool run(const QString &sql, const QVariantList &arguments)
{
    FMDatabase db(UserDatabase::path());
    return db.open() && db.executeUpdate(sql, arguments);
}

const QRegularExpression utcStamp("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$");
}

class TestUserDatabaseLaunch : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> home;

private slots:
    void init() { home = std::make_unique<TestHome>(); }
    void cleanup() { home.reset(); }

    void firstLaunchPutsTheTemplateInPlace()
    {
        QVERIFY(!StorageLaunch::prepareAtLaunch().damagedDatabaseReplaced()); // the template itself is sound
        QCOMPARE(UserDatabase::path(), home->library() + "/user_db.sqlite");
        QCOMPARE(bytesOf(UserDatabase::path()), bytesOf(UserDatabase::templatePath()));
        QVERIFY(QFile::permissions(UserDatabase::path()) & QFile::WriteOwner);
        QCOMPARE(UserDefaults::objectForKey("autosaveEnabled").toBool(), true);
        QCOMPARE(column("SELECT (SELECT count(*) FROM comics) + (SELECT count(*) FROM comicData)"
                        " + (SELECT count(*) FROM history)"), QStringList("0"));
    }

    void theNewComicsRecordIsEmptyAndStampedInUtc()
    {
        StorageLaunch::prepareAtLaunch();
        QCOMPARE(ComicRecord::create(), std::optional<int>(1));
        QCOMPARE(ComicRecord::create(), std::optional<int>(2));
        QCOMPARE(column("SELECT typeof(title) || ':' || title || ':' || typeof(thumbnail) || ':' || typeof(data)"
                        " FROM comics WHERE id = ?", {1}), QStringList("text::null:null"));

        const QString stamp = column("SELECT timestamp FROM comics WHERE id = 1").value(0);
        QVERIFY2(utcStamp.match(stamp).hasMatch(), qPrintable(stamp));
        const QDateTime stamped = QDateTime::fromString(stamp + "Z", "yyyy-MM-dd HH:mm:sst");
        QVERIFY(qAbs(stamped.secsTo(QDateTime::currentDateTimeUtc())) < 600);
        QVERIFY(run("INSERT INTO history (title, link) VALUES (?, ?)", {"t", "https://i.imgur.com/a.png"}));
        QVERIFY(utcStamp.match(column("SELECT timestamp FROM history").value(0)).hasMatch());
    }

    void theTitleIsStoredTrimmedAndAsTyped()
    {
        StorageLaunch::prepareAtLaunch();
        const int first = *ComicRecord::create();
        const int second = *ComicRecord::create();
        QVERIFY(ComicRecord::storeTitle(second, " \t Rage at the \"office\"'); DROP TABLE comics;--\n"));
        QCOMPARE(column("SELECT title FROM comics ORDER BY id"),
                 QStringList({"", "Rage at the \"office\"'); DROP TABLE comics;--"}));
        QVERIFY(ComicRecord::storeTitle(first, "  \n"));
        QCOMPARE(column("SELECT typeof(title) || ':' || title FROM comics WHERE id = ?", {first}), QStringList("text:"));
    }

    void laterLaunchesKeepSavedComicsAndPurgeUnsavedOnes()
    {
        StorageLaunch::prepareAtLaunch();
        const int saved = *ComicRecord::create();
        const int unsaved = *ComicRecord::create();
        QVERIFY(run("UPDATE comics SET data = ? WHERE id = ?", {QByteArray("archive"), saved}));
        for (int comicId : {saved, saved, unsaved, unsaved})
            QVERIFY(run("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {comicId, QByteArray("png")}));
        QVERIFY(run("INSERT INTO history (title, link) VALUES (?, ?)", {"t", "l"}));
        UserDefaults::setBool(false, "autosaveEnabled");
        UserDefaults::synchronize();

        QVERIFY(!UserDatabase::copyDBFile()); // the user's file stays
        StorageLaunch::prepareAtLaunch();

        const QString savedId = QString::number(saved);
        QCOMPARE(column("SELECT id FROM comics"), QStringList(savedId));
        QCOMPARE(column("SELECT comicId FROM comicData"), QStringList({savedId, savedId}));
        QCOMPARE(column("SELECT count(*) FROM history"), QStringList("1"));
        QCOMPARE(UserDefaults::objectForKey("autosaveEnabled").toBool(), false);
    }

    void eachLaunchLeavesOnlyTheNewComicUnsaved()
    {
        int previous = 0;
        for (int launch = 0; launch < 2; ++launch) {
            StorageLaunch::prepareAtLaunch();
            const int comicId = *ComicRecord::create();
            QVERIFY(comicId > previous); // ids are never reused
            QCOMPARE(column("SELECT id || ':' || typeof(data) FROM comics"), QStringList(QString("%1:null").arg(comicId)));
            previous = comicId;
        }
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
        QFile empty(UserDatabase::path()); // opens, but has no tables
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QCOMPARE(ComicRecord::create(), std::optional<int>(0));
    }
};

QTEST_GUILESS_MAIN(TestUserDatabaseLaunch)
#include "tst_userdatabaselaunch.moc"
