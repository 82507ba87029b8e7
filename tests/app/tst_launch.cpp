// The launch: the window first, a banner when a damaged comics database was
// set aside, and the storage steps after the first frame, in their order:
// never-saved comics are purged before the new comic gets its record, also
// when an edit needs that record before the frame.
#include "app/LaunchBanners.h"
#include "app/PanelryAppDelegate.h"
#include "editor/ComicStore.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "support/Banners.h"
#include "support/Files.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"

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
        const int comicId = delegate.viewController()->store().comicId();
        QCOMPARE(userDbColumn("SELECT id || ':' || typeof(data) FROM comics"), QStringList(QString("%1:null").arg(comicId)));
        QVERIFY(banners.shown.contains("Tap a panel to begin"));
        QCOMPARE(banners.shown.contains(LaunchBanners::damagedDatabaseMessage()), damaged);
        QCOMPARE(banners.shown.size(), damaged ? 2 : 1);
    }

    void anEditBeforeTheFirstFrameGoesIntoARecordTheLaunchKeeps()
    {
        // An earlier run left comic 1 saved and comic 2 never saved, each
        // with a picture.
        QVERIFY(UserDatabase::copyDBFile());
        QVERIFY(userDbUpdate("INSERT INTO comics (id, title, data) VALUES (1, 'saved', x'01'), (2, 'never saved', NULL)"));
        QVERIFY(userDbUpdate("INSERT INTO comicData (comicId, data) VALUES (1, x'02'), (2, x'03')"));
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
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
