// What the user sees of the launch: the window, and a banner when a damaged
// comics database was set aside (the storage only reports that; the
// application tells the user).
#include "app/LaunchBanners.h"
#include "app/PanelryAppDelegate.h"
#include "editor/ComicStore.h"
#include "editor/PanelryViewController.h"
#include "storage/UserDatabase.h"
#include "support/TestHome.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "ui/Notification.h"
#include "ui/NotificationManager.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

class TestLaunch : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

    // The texts of the banners shown while the application launches.
    QStringList launchShowing(PanelryAppDelegate &delegate)
    {
        QStringList shown;
        auto connection = connect(NotificationManager::sharedManager(), &NotificationManager::notificationShown, this,
                                  [&](Notification *n) { shown << n->text(); });
        delegate.didFinishLaunching();
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
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
