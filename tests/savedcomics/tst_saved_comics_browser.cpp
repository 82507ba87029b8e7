// The saved-comics browser: what each row shows, opening a comic, deleting
// one by each of the user's means (and refusing the open one, or keeping a
// row whose comic could not be deleted), the automatic-saving switch and the
// Import button.
#include "savedcomics/SaveLoadViewController.h"
#include "savedcomics/SaveLoadViewControllerDelegate.h"
#include "savedcomics/SavedComicCell.h"
#include "storage/FMDatabase.h"
#include "storage/UserDatabase.h"
#include "support/Banners.h"
#include "support/TestHome.h"
#include "toolkit/EditMenu.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/UserDefaults.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {
QByteArray jpeg(int height)
{
    QImage image(80, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// A comic row with one picture row; data NULL means never saved.
int addComic(const QVariant &title, const QVariant &thumbnail, const QVariant &data, const QString &timestamp)
{
    FMDatabase db(UserDatabase::path());
    db.open();
    db.executeUpdate("INSERT INTO comics (title, thumbnail, data, timestamp) VALUES (?, ?, ?, ?)",
                     {title, thumbnail, data, timestamp});
    const int id = int(db.lastInsertRowId());
    db.executeUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {id, QByteArray("png")});
    db.close();
    return id;
}

int count(const QString &sql, int id)
{
    FMDatabase db(UserDatabase::path());
    db.open();
    auto rows = db.executeQuery(sql, {id});
    const int n = rows && rows->next() ? rows->intForColumn("n") : -1;
    db.close();
    return n;
}

bool comicIsStored(int id)
{
    return count("SELECT COUNT(*) AS n FROM comics WHERE id = ?", id) == 1 &&
           count("SELECT COUNT(*) AS n FROM comicData WHERE comicId = ?", id) == 1;
}

struct Opened : SaveLoadViewControllerDelegate {
    QList<int> ids;
    void loadComicWithId(int id) override { ids << id; }
};

bool showWith(SaveLoadViewController &browser, Opened &opened)
{
    browser.setDelegate(&opened);
    browser.resize(320, 480);
    browser.show();
    return QTest::qWaitForWindowExposed(&browser);
}

}

class TestSavedComicsBrowser : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;
    int monday = 0, untitledNull = 0, untitledEmpty = 0;

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        UserDatabase::copyDBFile();
        monday = addComic("Monday", jpeg(60), QByteArray("archive"), "2012-03-04 10:00:00");
        untitledNull = addComic(QVariant(), QVariant(), QByteArray("archive"), "2012-03-05 10:00:00");
        untitledEmpty = addComic("", jpeg(30), QByteArray("archive"), "2012-03-03 10:00:00");
        addComic("Never saved", QVariant(), QVariant(), "2012-03-06 10:00:00");
    }
    void cleanup() { home.reset(); }

    void rowsShowTitleDateAndThumbnailNewestFirst()
    {
        SaveLoadViewController browser;
        QCOMPARE(browser.windowTitle(), QString("Load Comic"));
        QCOMPARE(browser.numberOfRows(), 3);
        QCOMPARE(browser.cellAt(0)->title(), QString("Untitled"));
        QCOMPARE(browser.cellAt(1)->title(), QString("Monday"));
        QCOMPARE(browser.cellAt(2)->title(), QString("Untitled"));
        QVERIFY(!browser.cellAt(0)->hasThumbnail());
        QVERIFY(browser.cellAt(1)->hasThumbnail());
        QVERIFY(browser.cellAt(1)->detail().startsWith("2012-03-0"));
        QCOMPARE(browser.cellAt(1)->height(), 60);
        QVERIFY(!browser.savedComicsTable()->isHidden());
    }

    void anEmptyListIsHidden()
    {
        FMDatabase db(UserDatabase::path());
        db.open();
        db.executeUpdate("DELETE FROM comics");
        db.close();
        SaveLoadViewController browser;
        QCOMPARE(browser.numberOfRows(), 0);
        QVERIFY(browser.savedComicsTable()->isHidden());
    }

    void aTapOpensTheComic()
    {
        SaveLoadViewController browser;
        Opened opened;
        QVERIFY(showWith(browser, opened));
        QTest::mouseClick(browser.cellAt(1), Qt::LeftButton, {}, QPoint(40, 30));
        QCOMPARE(opened.ids, QList<int>{monday});
    }

    void theOpenComicIsNotDeleted()
    {
        SaveLoadViewController browser;
        browser.setActiveComicId(monday);
        Banners banners;
        browser.commitDeleteRow(1);
        QCOMPARE(banners.shown, QStringList{"Cannot delete open comic"});
        QCOMPARE(browser.numberOfRows(), 3);
        QVERIFY(comicIsStored(monday));
    }

    void aSwipeShowsTheDeleteButtonWhichDeletesComicAndPictures()
    {
        SaveLoadViewController browser;
        Opened opened;
        QVERIFY(showWith(browser, opened));
        SavedComicCell *cell = browser.cellAt(1);
        QVERIFY(!cell->isDeleteButtonShown());
        QTest::mousePress(cell, Qt::LeftButton, {}, QPoint(200, 30));
        for (int x = 190; x >= 100; x -= 15)
            QTest::mouseMove(cell, QPoint(x, 30));
        QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(100, 30));
        QVERIFY(cell->isDeleteButtonShown());
        QVERIFY(opened.ids.isEmpty());
        cell->deleteButton()->click();
        QCOMPARE(browser.numberOfRows(), 2);
        QVERIFY(!comicIsStored(monday));
        QCOMPARE(count("SELECT COUNT(*) AS n FROM comicData WHERE comicId = ?", monday), 0);
        QVERIFY(comicIsStored(untitledNull));
    }

    void theDeleteKeyAndTheContextMenuDelete()
    {
        SaveLoadViewController browser;
        browser.savedComicsTable()->setCurrentRow(0);
        QTest::keyClick(browser.savedComicsTable(), Qt::Key_Delete);
        QVERIFY(!comicIsStored(untitledNull));
        QCOMPARE(browser.numberOfRows(), 2);

        emit browser.cellAt(1)->contextMenuRequested();
        QCOMPARE(EditMenu::sharedMenuController()->itemTitles(), QStringList{"Delete"});
        QVERIFY(EditMenu::sharedMenuController()->triggerItem("Delete"));
        QVERIFY(!comicIsStored(untitledEmpty));
        QCOMPARE(browser.numberOfRows(), 1);
    }

    void aComicThatCouldNotBeDeletedStaysListed()
    {
        SaveLoadViewController browser;
        // The database is gone from under the browser (a folder in its place).
        QVERIFY(QFile::rename(UserDatabase::path(), UserDatabase::path() + ".away"));
        QVERIFY(QDir().mkpath(UserDatabase::path()));
        Banners banners;
        browser.commitDeleteRow(1);
        QCOMPARE(banners.shown, QStringList{"Comic could not be deleted"});
        QCOMPARE(browser.numberOfRows(), 3);
    }

    void theSwitchTurnsAutomaticSavingOnAndOff()
    {
        UserDefaults::setBool(true, "autosaveEnabled");
        SaveLoadViewController browser;
        QVERIFY(browser.autosaveSwitch()->isChecked());
        browser.autosaveSwitch()->click();
        QCOMPARE(UserDefaults::objectForKey("autosaveEnabled").toBool(), false);
    }

    void importShowsWhileOldComicsWait()
    {
        auto *browser = new SaveLoadViewController;
        NavigationContainer container(browser);
        browser->checkOldComics();
        QVERIFY(!container.rightButton());

        QDir().mkpath(home->documents());
        QFile old(home->documents() + "/SavedComics-v3.1.plist");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        browser->checkOldComics();
        QVERIFY(container.rightButton());
        QCOMPARE(container.rightButton()->text(), QString("Import"));
    }
};

QTEST_MAIN(TestSavedComicsBrowser)
#include "tst_saved_comics_browser.moc"
