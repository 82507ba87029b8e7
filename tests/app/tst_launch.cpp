// The launch: the window first, a banner when a damaged comics database was
// set aside, and the storage steps after the first frame, in their order:
// never-saved comics are purged before the new comic gets its record, also
// when an edit needs that record before the frame. A home that cannot be
// written is no damage: the user is told once, and the comics are listed.
#include "app/LaunchBanners.h"
#include "app/PanelryAppDelegate.h"
#include "editor/ComicStore.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "storage/SavedComics.h"
#include "support/Banners.h"
#include "support/Files.h"
#include "support/PrivateMounts.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/UserDefaults.h"
#include "toolkit/View.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <memory>

class TestLaunch : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

private slots:
    void init()
    {
        Clock::shared().setManual(true);
        Device::setIdiom(Device::Idiom::Tablet);
        home = std::make_unique<TestHome>();
        QDir().mkpath(home->library());
    }
    void cleanup()
    {
        Clock::shared().advance(10); // banners gone
        PrivateMounts::unmountAll();
        home.reset();
    }

    void nothingIsWrittenBeforeTheFirstFrameAndOnlyADamagedDatabaseIsAnnounced_data()
    {
        QTest::addColumn<QByteArray>("database");
        QTest::newRow("damaged") << QByteArray("not a database");
        QTest::newRow("none yet") << QByteArray();
    }
    void nothingIsWrittenBeforeTheFirstFrameAndOnlyADamagedDatabaseIsAnnounced()
    {
        QFETCH(QByteArray, database);
        const bool damaged = !database.isEmpty();
        if (damaged)
            QVERIFY(writeFile(UserDatabase::path(), database));
        Banners banners;
        PanelryAppDelegate delegate;
        delegate.didFinishLaunching();
        QVERIFY(delegate.viewController()->isVisible());
        QCOMPARE(QDir(home->library()).entryList(QDir::Files), damaged ? QStringList("user_db.sqlite") : QStringList());
        QCOMPARE(fileBytes(UserDatabase::path()), database);

        QTRY_VERIFY(delegate.isLaunchFinished());
        QVERIFY(QFileInfo::exists(home->library() + "/defaults.ini"));
        QVERIFY(UserDefaults::objectForKey("autosaveEnabled").toBool()); // on until the user turns it off
        const int comicId = delegate.viewController()->store().comicId();
        QCOMPARE(userDbColumn("SELECT id || ':' || typeof(data) FROM comics"), QStringList(QString("%1:null").arg(comicId)));
        QVERIFY(banners.shown.contains("Tap a panel to begin"));
        QCOMPARE(banners.shown.contains(LaunchBanners::damagedDatabaseMessage()), damaged);
        QCOMPARE(banners.shown.size(), damaged ? 2 : 1);
    }

    void anEditBeforeTheFirstFrameGoesIntoARecordTheLaunchKeeps()
    {
        // An earlier run left comic 1 saved and comic 2 never saved, each
        // with a picture, an upload in the history and saving turned off.
        QVERIFY(UserDatabase::copyDBFile());
        QVERIFY(userDbUpdate("INSERT INTO comics (id, title, data) VALUES (1, 'saved', x'01'), (2, 'never saved', NULL)"));
        QVERIFY(userDbUpdate("INSERT INTO comicData (comicId, data) VALUES (1, x'02'), (2, x'03')"));
        QVERIFY(userDbUpdate("INSERT INTO history (title, link) VALUES ('t', 'l')"));
        UserDefaults::setBool(false, "autosaveEnabled");
        UserDefaults::synchronize();
        PanelryAppDelegate delegate;
        delegate.didFinishLaunching();
        // Before any event: the picture needs the new comic's id, which runs
        // the storage steps first.
        PanelryViewController *editor = delegate.viewController();
        editor->selectPanel(editor->findChild<PanelRows *>()->panels().first());
        QImage picture(40, 40, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        editor->findChild<Placement *>()->addImageToComic(picture);
        const int comicId = editor->store().comicId();
        QVERIFY(comicId > 2);
        QTRY_VERIFY(delegate.isLaunchFinished());
        QCOMPARE(editor->store().comicId(), comicId);
        QCOMPARE(userDbColumn("SELECT id FROM comics ORDER BY id"), QStringList({"1", QString::number(comicId)}));
        QCOMPARE(userDbColumn("SELECT comicId FROM comicData ORDER BY id"), QStringList({"1", QString::number(comicId)}));
        QCOMPARE(userDbColumn("SELECT count(*) FROM history"), QStringList("1"));
        QVERIFY(!UserDefaults::objectForKey("autosaveEnabled").toBool()); // the user's choice stays
    }

    void aHomeThatCannotBeWrittenIsToldOnceAndItsComicsStayListed_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("told");
        const QString cannotSave = LaunchBanners::cannotSaveMessage();
        QTest::newRow("read-only file system") << "read-only" << cannotSave;
        QTest::newRow("no -shm can be made") << "no -shm" << cannotSave;
        QTest::newRow("the disk fills up") << "full" << "Comic could not be saved automatically";
    }
    void aHomeThatCannotBeWrittenIsToldOnceAndItsComicsStayListed()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, told);
        if (!PrivateMounts::available())
            QSKIP("This machine gives the test no mounts of its own.");
        QVERIFY(PrivateMounts::mountTmpfs(home->path(), 1 << 20));
        QVERIFY(QDir().mkpath(home->library()) && UserDatabase::copyDBFile());
        QVERIFY(userDbUpdate("INSERT INTO comics (title, data) VALUES ('kept', x'01')"));
        if (trouble == "read-only")
            QVERIFY(PrivateMounts::makeReadOnly(home->path()));
        if (trouble == "no -shm") // a folder where it would go
            QVERIFY(QDir().mkpath(UserDatabase::path() + "-shm"));

        Banners banners;
        PanelryAppDelegate delegate;
        QVERIFY(delegate.didFinishLaunching());
        QTRY_VERIFY(delegate.isLaunchFinished());
        PanelryViewController *editor = delegate.viewController();
        View *panel = editor->findChild<PanelRows *>()->panels().at(0);
        editor->selectPanel(panel);
        QImage face(50, 50, QImage::Format_ARGB32);
        face.fill(Qt::magenta);
        editor->findChild<Placement *>()->addImageToComic(face);
        // Placed, or refused where its picture cannot be stored.
        QTRY_VERIFY(!panel->subviews().isEmpty() || banners.shown.contains("Picture could not be stored"));
        if (trouble == "full") {
            QFile filler(home->path() + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
            }
        }
        for (int tick = 0; tick < 3; ++tick) {
            Clock::shared().advance(ComicStore::kAutosaveInterval);
            editor->store().waitForSave();
        }
        emit Lifecycle::shared()->didEnterBackgroundOrWillTerminate(); // quitting

        QCOMPARE(banners.shown.filter("saved"), QStringList(told));
        QVERIFY(QDir(home->library()).entryList({"*damaged*", "*.fresh"}).isEmpty());
        QCOMPARE(SavedComics::list().value(0).value("title"), QVariant("kept"));
    }
};

int main(int argc, char **argv)
{
    PrivateMounts::enter(); // while the process has one thread
    QApplication app(argc, argv);
    TestLaunch test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_launch.moc"
