// What the user sees of the launch: the window, and a banner when a damaged
// comics database was set aside (the storage only reports that; the
// application tells the user). The storage steps wait for the window's first
// frame, in their order: never-saved comics are purged before the new comic
// gets its record, also when an edit needs that record before the frame.
#include "app/LaunchBanners.h"
#include "app/PanelryAppDelegate.h"
#include "editor/ComicStore.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"
#include "support/TestHome.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "ui/Notification.h"
#include "ui/NotificationManager.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QtTest>

#include <memory>

namespace {
// The first column of every row of a query on the user database, as text.
QStringList column(const QString &sql)
{
    FMDatabase db(UserDatabase::path());
    QStringList values;
    if (auto rows = db.open() ? db.executeQuery(sql) : nullptr)
        while (rows->next())
            values << rows->resultDict().first().toString();
    return values;
}

bool run(const QString &sql, const QVariantList &arguments = {})
{
    FMDatabase db(UserDatabase::path());
    return db.open() && db.executeUpdate(sql, arguments);
}

// A user database from an earlier run: comic 1 saved, comic 2 never saved,
// each with a picture.
void earlierRun()
{
    QVERIFY(UserDatabase::copyDBFile());
    QVERIFY(run("INSERT INTO comics (id, title, data) VALUES (1, 'saved', x'01')"));
    QVERIFY(run("INSERT INTO comics (id, title) VALUES (2, 'never saved')"));
    QVERIFY(run("INSERT INTO comicData (comicId, data) VALUES (1, x'02'), (2, x'03')"));
}
}

class TestLaunch : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

    // The texts of the banners shown while the application launches, until
    // its storage steps have run.
    QStringList launchShowing(PanelryAppDelegate &delegate)
    {
        QStringList shown;
        auto connection = connect(NotificationManager::sharedManager(), &NotificationManager::notificationShown, this,
                                  [&](Notification *n) { shown << n->text(); });
        delegate.didFinishLaunching();
        [&] { QTRY_VERIFY(delegate.isLaunchFinished()); }();
        disconnect(connection);
        return shown;
    }

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

    void aDamagedDatabaseSetAsideIsAnnounced()
    {
        QFile damaged(UserDatabase::path());
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("not a database") > 0);
        damaged.close();

        PanelryAppDelegate delegate;
        const QStringList shown = launchShowing(delegate);
        QVERIFY(delegate.viewController()->isVisible());
        QVERIFY(shown.contains(LaunchBanners::damagedDatabaseMessage()));
        QVERIFY(delegate.viewController()->store().comicId() > 0); // the fresh database takes the new comic
    }

    void aSoundDatabaseIsNotMentioned()
    {
        PanelryAppDelegate delegate;
        const QStringList shown = launchShowing(delegate);
        QVERIFY(delegate.viewController()->isVisible());
        QCOMPARE(shown, QStringList("Tap a panel to begin"));
    }

    void nothingIsWrittenBeforeTheFirstFrame()
    {
        PanelryAppDelegate delegate;
        delegate.didFinishLaunching();
        QVERIFY(delegate.viewController()->isVisible());
        QVERIFY(QDir(home->library()).isEmpty()); // no database, no defaults yet
        QTRY_VERIFY(delegate.isLaunchFinished());
        QVERIFY(QFileInfo::exists(UserDatabase::path()));
        QVERIFY(QFileInfo::exists(home->library() + "/defaults.ini"));
        QCOMPARE(column("SELECT id || ':' || typeof(data) FROM comics"),
                 QStringList(QString("%1:null").arg(delegate.viewController()->store().comicId())));
    }

    void theLaunchPurgesNeverSavedComicsBeforeTheNewRecord()
    {
        earlierRun();
        PanelryAppDelegate delegate;
        delegate.didFinishLaunching();
        QTRY_VERIFY(delegate.isLaunchFinished());
        const int comicId = delegate.viewController()->store().comicId();
        QVERIFY(comicId > 2);
        QCOMPARE(column("SELECT id FROM comics ORDER BY id"), QStringList({"1", QString::number(comicId)}));
        QCOMPARE(column("SELECT comicId FROM comicData"), QStringList("1"));
    }

    void anEditBeforeTheFirstFrameGoesIntoARecordTheLaunchKeeps()
    {
        earlierRun();
        PanelryAppDelegate delegate;
        delegate.didFinishLaunching();
        // Before any event: the picture needs the new comic's id, which runs
        // the storage steps first.
        PanelryViewController *editor = delegate.viewController();
        editor->selectPanel(editor->rows().panels().first());
        QImage picture(40, 40, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        editor->placement().addImageToComic(picture);
        const int comicId = editor->store().comicId();
        QTRY_VERIFY(delegate.isLaunchFinished());
        QCOMPARE(editor->store().comicId(), comicId);
        QCOMPARE(column("SELECT id FROM comics ORDER BY id"), QStringList({"1", QString::number(comicId)}));
        QCOMPARE(column("SELECT comicId FROM comicData ORDER BY id"), QStringList({"1", QString::number(comicId)}));
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
