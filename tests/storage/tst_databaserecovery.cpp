// A user database that cannot be used is set aside, never deleted, and a
// fresh template takes its place, so the application can save again.
#include "storage/ComicRecord.h"
#include "storage/DatabaseRecovery.h"
#include "storage/FMDatabase.h"
#include "storage/StorageLaunch.h"
#include "storage/UserDatabase.h"
#include "support/Files.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
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
}

class TestDatabaseRecovery : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> home;

    static StorageLaunchReport launch() { return StorageLaunch::prepareAtLaunch(); }
    bool isFreshTemplate() const { return fileBytes(UserDatabase::path()) == fileBytes(UserDatabase::templatePath()); }

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        QDir().mkpath(home->library());
    }
    void cleanup() { home.reset(); }

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
        QVERIFY(launch().damagedDatabaseReplaced());
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
    }

    void everyDamagedFileIsKept()
    {
        QVERIFY(writeFile(UserDatabase::path(), "first"));
        const QString first = launch().damagedDatabaseKeptAs;
        QVERIFY(writeFile(UserDatabase::path(), "second"));
        const QString second = launch().damagedDatabaseKeptAs;
        QVERIFY(first != second);
        QCOMPARE(fileBytes(first) + fileBytes(second), QByteArray("firstsecond"));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseRecovery)
#include "tst_databaserecovery.moc"
