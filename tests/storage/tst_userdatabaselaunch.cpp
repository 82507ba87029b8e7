// The user database in a fresh application home (what a launch keeps and
// purges is the launch test's): the new comic's record as it is stored.
// Every handle on it keeps a write-ahead log, so a reader on another thread
// goes on while a writer holds it; other databases keep their journal. One
// that cannot be used is set aside, never deleted, and a fresh template takes
// its place, so the application can save again.
#include "storage/ComicRecord.h"
#include "storage/DatabaseRecovery.h"
#include "storage/FMDatabase.h"
#include "storage/StorageLaunch.h"
#include "support/Files.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

namespace {
const QRegularExpression utcStamp("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$");

// The bytes of a database made from `statements`, starting from `from`
// (a file to copy) or from nothing.
QByteArray databaseBytes(const QString &from, const QStringList &statements)
{
    QTemporaryDir scratch;
    const QString path = scratch.path() + "/made.sqlite";
    if (!from.isEmpty())
        QFile::copy(from, path);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    FMDatabase db(path);
    db.open();
    for (const QString &statement : statements)
        db.executeUpdate(statement, {QByteArray(50000, 'c')});
    db.close();
    return fileBytes(path);
}

QStringList filesIn(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

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

    static StorageLaunchReport launch() { return StorageLaunch::prepareAtLaunch(); }
    static bool isFreshTemplate() { return fileBytes(UserDatabase::path()) == fileBytes(UserDatabase::templatePath()); }

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        QDir().mkpath(home->library());
    }
    void cleanup() { home.reset(); }

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
    }

    void aDatabaseThatDoesNotOpenChangesNothingAndOneWithoutTablesGivesNoId()
    {
        QVERIFY(QDir().mkpath(UserDatabase::path())); // a folder SQLite cannot open
        QVERIFY(!StorageLaunch::prepareAtLaunch().damagedDatabaseReplaced());
        QVERIFY(QFileInfo(UserDatabase::path()).isDir());
        QCOMPARE(ComicRecord::create(), std::nullopt); // the caller keeps its comicId
        QVERIFY(!ComicRecord::storeTitle(1, "title"));

        QVERIFY(QDir().rmdir(UserDatabase::path()));
        QVERIFY(writeFile(UserDatabase::path(), {})); // opens, but has no tables
        QCOMPARE(ComicRecord::create(), std::optional<int>(0));
    }

    // An older user database (the old journal mode, as an earlier version
    // left it) is switched over as it is opened; other databases keep theirs.
    void everyHandleKeepsALogAndAReaderGoesOnWhileAWriterHoldsTheDatabase()
    {
        QVERIFY(UserDatabase::copyDBFile());
        const QString other = home->library() + "/other.sqlite";
        for (const QString &path : {UserDatabase::path(), other}) {
            FMDatabase older(path);
            QVERIFY(older.open());
            QCOMPARE(pragma(older, "journal_mode=DELETE"), QString("delete"));
            QVERIFY(older.executeUpdate("CREATE TABLE IF NOT EXISTS t (id INTEGER PRIMARY KEY)"));
        }
        FMDatabase plain(other);
        QVERIFY(plain.open());
        QCOMPARE(pragma(plain, "journal_mode"), QString("delete"));
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

    void aDamagedDatabaseIsKeptAsideAndReplaced_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        // A real user database of 30 saved comics, 1.5 MB, to cut short.
        const QByteArray saved = databaseBytes(UserDatabase::templatePath(),
            QStringList(30, "INSERT INTO comics (title, data) VALUES ('comic', ?)"));
        QByteArray noise(8192, '\0');
        QRandomGenerator(3).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);

        QTest::newRow("random bytes") << noise;
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("cut inside its first page") << saved.left(1000);
        QTest::newRow("cut in the middle") << saved.left(saved.size() / 2);
        QTest::newRow("a table missing") << databaseBytes({}, {
            "CREATE TABLE comics (id INTEGER PRIMARY KEY, title, thumbnail, data, timestamp)",
            "CREATE TABLE comicData (id INTEGER PRIMARY KEY, comicId, data)"});
        QTest::newRow("a column missing") << databaseBytes({}, {
            "CREATE TABLE comics (id INTEGER PRIMARY KEY, title, thumbnail, data)",
            "CREATE TABLE comicData (id INTEGER PRIMARY KEY, comicId, data)",
            "CREATE TABLE history (id INTEGER PRIMARY KEY, title, link, timestamp)"});
    }

    void aDamagedDatabaseIsKeptAsideAndReplaced()
    {
        QFETCH(QByteArray, damaged);
        QVERIFY(writeFile(UserDatabase::path(), damaged));

        const StorageLaunchReport report = launch();

        QVERIFY(report.damagedDatabaseReplaced());
        QVERIFY(report.damagedDatabaseKeptAs.startsWith(home->library() + "/user_db.damaged-"));
        QCOMPARE(filesIn(home->library(), "user_db.damaged-*"), QStringList(QFileInfo(report.damagedDatabaseKeptAs).fileName()));
        QCOMPARE(fileBytes(report.damagedDatabaseKeptAs), damaged); // kept exactly as it was
        QVERIFY(isFreshTemplate());
        QCOMPARE(ComicRecord::create(), std::optional<int>(1)); // saving works again
    }

    void aSoundDatabaseIsLeftAloneAlsoWhileAnotherProgramHoldsIt()
    {
        QVERIFY(writeFile(UserDatabase::path(), databaseBytes(UserDatabase::templatePath(),
            {"INSERT INTO comics (title, data) VALUES ('saved', ?)"})));
        // The check cannot read the tables while another program holds the
        // file: that says nothing about the file, which stays where it is.
        FMDatabase otherProgram(UserDatabase::path());
        QVERIFY(otherProgram.open() && otherProgram.executeUpdate("BEGIN EXCLUSIVE"));
        QVERIFY(!launch().damagedDatabaseReplaced());
        QVERIFY(otherProgram.executeUpdate("COMMIT"));
        QVERIFY(!launch().damagedDatabaseReplaced());
        QVERIFY(filesIn(home->library(), "user_db.damaged-*").isEmpty());
        QCOMPARE(ComicRecord::create(), std::optional<int>(2)); // after the saved comic
    }

    void theFilesBesideItGoAsideWithIt()
    {
        // SQLite reads a -wal file beside a database as part of it; one left
        // beside the fresh template would be read into the fresh file.
        QVERIFY(writeFile(UserDatabase::path(), QByteArray(4096, 'x')));
        QVERIFY(writeFile(UserDatabase::path() + "-wal", QByteArray(2048, 'w')));
        const QString first = launch().damagedDatabaseKeptAs;
        QVERIFY(!first.isEmpty());
        // The fresh file is open (its own log beside it), the old log gone.
        QVERIFY(fileBytes(UserDatabase::path() + "-wal") != QByteArray(2048, 'w'));
        QVERIFY(isFreshTemplate());

        // SQLite drops a log it cannot use when the check closes; one still
        // there when the file is set aside moves with it.
        const QString path = home->library() + "/other.sqlite";
        for (const QString suffix : {"", "-wal", "-shm"})
            QVERIFY(writeFile(path + suffix, suffix.toUtf8() + "!"));
        const QString keptAs = DatabaseRecovery::setAside(path);
        QVERIFY(keptAs.startsWith(home->library() + "/other.damaged-"));
        QCOMPARE(fileBytes(keptAs) + fileBytes(keptAs + "-wal") + fileBytes(keptAs + "-shm"), QByteArray("!-wal!-shm!"));
        QVERIFY(filesIn(home->library(), "other.sqlite*").isEmpty());

        // Every damaged file is kept, each under a name of its own.
        QVERIFY(writeFile(UserDatabase::path(), "second"));
        const QString second = launch().damagedDatabaseKeptAs;
        QVERIFY(second != first);
        QCOMPARE(fileBytes(first) + fileBytes(second), QByteArray(4096, 'x') + "second");
    }
};

QTEST_GUILESS_MAIN(TestUserDatabaseLaunch)
#include "tst_userdatabaselaunch.moc"
