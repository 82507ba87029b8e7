// The editor's side of the user database: each new comic gets its record,
// the title field stores the trimmed title, and the start hint shows on a
// plain appearance.
#include "editor/ComicStore.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "toolkit/TextField.h"
#include "storage/FMDatabase.h"
#include "storage/FMResultSet.h"
#include "storage/StorageLaunch.h"
#include "storage/UserDatabase.h"
#include "support/TestHome.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "toolkit/Screen.h"
#include "toolkit/Stage.h"
#include "ui/Notification.h"
#include "ui/NotificationManager.h"
#include "ui/UIToolbarCustom.h"

#include <QDir>
#include <QLineEdit>
#include <QtTest>
#include <memory>

namespace {
QString storedTitle(int comicId)
{
    FMDatabase db(UserDatabase::path());
    if (!db.open())
        return "<no database>";
    QString title = "<no row>";
    auto rows = db.executeQuery("SELECT title FROM comics WHERE id = ?", {comicId});
    while (rows && rows->next())
        title = rows->stringForColumn("title");
    return title;
}

int comicCount()
{
    FMDatabase db(UserDatabase::path());
    db.open();
    auto rows = db.executeQuery("SELECT COUNT(*) AS n FROM comics");
    return rows && rows->next() ? rows->intForColumn("n") : -1;
}
}

class TestComicRecord : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

private slots:
    void init()
    {
        Clock::shared().setManual(true);
        Device::setIdiom(Device::Idiom::Tablet);
        home = std::make_unique<TestHome>();
        StorageLaunch::prepareAtLaunch();
    }
    void cleanup() { home.reset(); }

    void everyNewComicGetsARecord()
    {
        PanelryViewController editor;
        const int first = editor.store().comicId();
        QVERIFY(first > 0);
        QCOMPARE(storedTitle(first), QString(""));
        editor.resetComic();
        QVERIFY(editor.store().comicId() > first);
        QCOMPARE(comicCount(), 2);
    }

    void aDatabaseThatDoesNotOpenLeavesNoOldId()
    {
        PanelryViewController editor;
        QVERIFY(editor.store().comicId() > 0);
        // A folder where the database file should be: nothing opens.
        QFile::remove(UserDatabase::path());
        QVERIFY(QDir().mkpath(UserDatabase::path()));
        editor.resetComic();
        QCOMPARE(editor.rows().numberOfPanels(), 3);
        QCOMPARE(editor.store().comicId(), 0);
    }

    void titleIsStoredTrimmedAndTouchesComeBack()
    {
        PanelryViewController editor;
        Screen::setMainWindow(&editor);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QLineEdit *field = editor.ui().comicTitle;
        field->setFocus();
        QVERIFY(field->hasFocus());
        QVERIFY(editor.ui().stage->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(editor.ui().appToolbar->testAttribute(Qt::WA_TransparentForMouseEvents));

        QTest::keyClicks(field, "  Rage at 'the' printer; DROP TABLE comics  ");
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->hasFocus());
        QCOMPARE(field->text(), QString("  Rage at 'the' printer; DROP TABLE comics  "));
        QCOMPARE(storedTitle(editor.store().comicId()), QString("Rage at 'the' printer; DROP TABLE comics"));
        QVERIFY(!editor.ui().stage->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(!editor.ui().appToolbar->testAttribute(Qt::WA_TransparentForMouseEvents));

        // A new comic starts with an empty title.
        editor.resetComic();
        QCOMPARE(field->text(), QString());
    }

    void aPlainAppearanceShowsTheStartHint()
    {
        QList<Notification *> shown;
        auto connection = connect(NotificationManager::sharedManager(), &NotificationManager::notificationShown, this,
                                  [&](Notification *n) { shown << n; });
        PanelryViewController editor;
        Screen::setMainWindow(&editor);
        editor.show();
        QCOMPARE(shown.size(), 0); // once the first frame is on the screen
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(shown[0]->text(), QString("Tap a panel to begin"));
        QCOMPARE(shown[0]->duration(), 2.0);
        QCOMPARE(shown[0]->style(), 6);
        editor.viewDidAppear(true);
        QCOMPARE(shown.size(), 1);
        disconnect(connection);
        Clock::shared().advance(3);
    }
};

QTEST_MAIN(TestComicRecord)
#include "tst_comic_record.moc"
