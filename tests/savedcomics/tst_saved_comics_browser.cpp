// The saved-comics browser: what each row shows (dates in the device's zone,
// here five hours behind), opening a comic from any part of its row,
// deleting one by each of the user's deliberate means (and refusing the open
// one, or keeping a row whose comic could not be deleted), the
// automatic-saving switch and the Import button with what it brings in.
#include "oldcomics/OldComicImport.h"
#include "savedcomics/SaveLoadViewController.h"
#include "savedcomics/SaveLoadViewControllerDelegate.h"
#include "ui/SubtitleCell.h"
#include "ui/LocalDates.h"
#include "support/Banners.h"
#include "support/Files.h"
#include "support/OldComicFixture.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/EditMenu.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/UserDefaults.h"
#include "ui/ActivityIndicator.h"
#include "ui/ElidedLabel.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <ctime>

namespace {
// Five hours behind GMT, with the United States' daylight-saving rules, set
// before anything reads the zone.
const bool zoneSet = [] {
    qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
    tzset();
    return true;
}();

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
    userDbUpdate("INSERT INTO comics (title, thumbnail, data, timestamp) VALUES (?, ?, ?, ?)",
                 {title, thumbnail, data, timestamp});
    const int id = userDbValues("SELECT max(id) FROM comics").value(0).toInt();
    userDbUpdate("INSERT INTO comicData (comicId, data) VALUES (?, ?)", {id, QByteArray("png")});
    return id;
}

// The comic's row and picture rows, counted.
QString stored(int id)
{
    return userDbColumn("SELECT (SELECT COUNT(*) FROM comics WHERE id = ?) || '+' ||"
                        " (SELECT COUNT(*) FROM comicData WHERE comicId = ?)", {id, id}).value(0);
}

const QString kLongTitle = QString::fromUtf8("Monday \U0001F389, when the cat walked over the keyboard twice");

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
        monday = addComic(kLongTitle, jpeg(60), QByteArray("archive"), "2012-03-05 03:30:00");
        untitledNull = addComic(QVariant(), QVariant(), QByteArray("archive"), "2012-03-05 10:00:00");
        untitledEmpty = addComic("", jpeg(30), QByteArray("archive"), "2012-03-03 10:00:00");
        addComic("Never saved", QVariant(), QVariant(), "2012-03-06 10:00:00");
    }
    void cleanup() { home.reset(); }

    void rowsShowTitleDateAndThumbnailNewestFirstAndAnEmptyListIsHidden()
    {
        QVERIFY(zoneSet);
        UserDefaults::setBool(true, "autosaveEnabled");
        SaveLoadViewController browser;
        QCOMPARE(browser.numberOfRows(), 3);
        QCOMPARE(browser.cellAt(0)->title(), QString("Untitled"));
        QCOMPARE(browser.cellAt(1)->title(), kLongTitle);
        QCOMPARE(browser.cellAt(2)->title(), QString("Untitled"));
        QVERIFY(!browser.cellAt(0)->hasThumbnail());
        QVERIFY(browser.cellAt(1)->hasThumbnail());
        QCOMPARE(browser.cellAt(1)->detail(), QString("2012-03-04 10:30 PM"));
        QCOMPARE(browser.cellAt(1)->height(), 60);
        // Its switch turns automatic saving on and off.
        QVERIFY(browser.autosaveSwitch()->isChecked());
        browser.autosaveSwitch()->click();
        QCOMPARE(UserDefaults::objectForKey("autosaveEnabled").toBool(), false);

        QVERIFY(userDbUpdate("DELETE FROM comics"));
        SaveLoadViewController empty;
        QCOMPARE(empty.numberOfRows(), 0);
        QVERIFY(empty.savedComicsTable()->isHidden());
    }

    void datesAreShownInLocalTime_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("evening") << "2012-03-04 23:30:00" << "2012-03-04 6:30 PM";
        QTest::newRow("midnight") << "2012-03-05 05:00:00" << "2012-03-05 12:00 AM";
        // Half an hour before the clocks go forward (07:00 UTC): still
        // standard time.
        QTest::newRow("before the change") << "2012-03-11 06:30:00" << "2012-03-11 1:30 AM";
        QTest::newRow("after the change") << "2012-03-11 07:30:00" << "2012-03-11 3:30 AM";
        QTest::newRow("not a time") << "yesterday" << "";
    }
    void datesAreShownInLocalTime()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(LocalDates::localDateText(stored), shown);
    }

    void everyPartOfARowOpensItsComicAndOnlyASwipeBringsOutTheDeleteButton()
    {
        SaveLoadViewController browser;
        Opened opened;
        QVERIFY(showWith(browser, opened));
        SubtitleCell *cell = browser.cellAt(1);
        auto clickAt = [&](QWidget *in, int x) {
            const QPoint at = in->mapTo(&browser, QPoint(x, in->height() / 2));
            QTest::mouseMove(browser.windowHandle(), at); // the pointer rests there first
            QTest::mouseClick(browser.windowHandle(), Qt::LeftButton, {}, at);
        };
        int clicks = 0;
        for (int x = 2; x < cell->width(); x += 40, ++clicks) {
            clickAt(cell, x);
            QCOMPARE(stored(monday), QString("1+1"));
        }
        QCOMPARE(opened.ids, QList<int>(clicks, monday));

        auto swipe = [cell](int fromX, int toX) {
            QTest::mousePress(cell, Qt::LeftButton, {}, QPoint(fromX, 30));
            for (int i = 1; i <= 6; ++i)
                QTest::mouseMove(cell, QPoint(fromX + (toX - fromX) * i / 6, 30));
            QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(toX, 30));
        };
        swipe(200, 100);
        QVERIFY(cell->isDeleteButtonShown());
        // On a phone's width the long title ends in "…" and its emoji is
        // drawn; the button takes the thumbnail's place and the title's
        // room, never the date's.
        QCoreApplication::processEvents();
        const auto *title = cell->findChild<ElidedLabel *>();
        QVERIFY(title->elidedText().endsWith(QChar(0x2026)));
        QVERIFY(QFontMetrics(title->font()).inFontUcs4(0x1F389)); // the emoji, not a box
        const auto *date = cell->findChild<QLabel *>("detail");
        QVERIFY(date->width() >= date->sizeHint().width());
        QVERIFY(cell->rect().contains(cell->deleteButton()->geometry()));
        // A tap elsewhere, or a swipe back, puts it away and opens nothing.
        clickAt(cell, 40);
        QVERIFY(!cell->isDeleteButtonShown());
        swipe(200, 100);
        swipe(100, 200);
        QVERIFY(!cell->isDeleteButtonShown());

        swipe(200, 100);
        QCoreApplication::processEvents();
        clickAt(cell->deleteButton(), cell->deleteButton()->width() / 2);
        QCOMPARE(browser.numberOfRows(), 2);
        QCOMPARE(stored(monday), QString("0+0"));
        QCOMPARE(stored(untitledNull), QString("1+1"));
        QCOMPARE(opened.ids.size(), clicks); // neither the taps nor the swipes opened one
    }

    // The Delete key (a first press only shows the button) and the context
    // menu delete; the open comic, or one that cannot be deleted, stays.
    void theDeleteKeyAndTheContextMenuDeleteAllButTheOpenComicOrAFailure()
    {
        SaveLoadViewController browser;
        browser.setActiveComicId(monday);
        Banners banners;
        browser.commitDeleteRow(1);
        QCOMPARE(stored(monday), QString("1+1"));
        // The database is gone from under the browser (a folder in its place).
        QVERIFY(QFile::rename(UserDatabase::path(), UserDatabase::path() + ".away"));
        QVERIFY(QDir().mkpath(UserDatabase::path()));
        browser.commitDeleteRow(0);
        QCOMPARE(banners.shown, QStringList({"Cannot delete open comic", "Comic could not be deleted"}));
        QCOMPARE(browser.numberOfRows(), 3);
        QVERIFY(QDir().rmdir(UserDatabase::path()));
        QVERIFY(QFile::rename(UserDatabase::path() + ".away", UserDatabase::path()));

        browser.savedComicsTable()->setCurrentRow(0);
        QTest::keyClick(browser.savedComicsTable(), Qt::Key_Delete);
        QVERIFY(browser.cellAt(0)->isDeleteButtonShown());
        QCOMPARE(stored(untitledNull), QString("1+1"));
        QTest::keyClick(browser.savedComicsTable(), Qt::Key_Delete);
        QCOMPARE(stored(untitledNull), QString("0+0"));
        QCOMPARE(browser.numberOfRows(), 2);

        emit browser.cellAt(1)->contextMenuRequested();
        QCOMPARE(EditMenu::sharedMenuController()->itemTitles(), QStringList{"Delete"});
        QVERIFY(EditMenu::sharedMenuController()->triggerItem("Delete"));
        QCOMPARE(stored(untitledEmpty), QString("0+0"));
        QCOMPARE(browser.numberOfRows(), 1);
    }

    void importShowsWhileOldComicsWaitAndConvertsThemUnderAnAlert()
    {
        auto *browser = new SaveLoadViewController;
        NavigationContainer container(browser);
        browser->checkOldComics();
        QVERIFY(!container.rightButton());

        QDir().mkpath(home->documents());
        const OldComicFixture::Comic comic(jpeg(30), {{QRectF(0, 0, 640, 240), {{"ImageObject", QRectF(9, 9, 50, 50), {}, jpeg(9)}}}});
        QVERIFY(writeFile(home->documents() + "/SavedComics.plist",
                          OldComicFixture::file(OldComicFiles::Generation::SingleCanvas, {comic, comic})));
        browser->checkOldComics();
        QCOMPARE(container.rightButton()->text(), QString("Import"));
        container.show();
        Banners banners;
        container.rightButton()->click();
        QPointer<QMessageBox> alert = container.findChild<QMessageBox *>();
        QVERIFY(alert && alert->isVisible());
        QCOMPARE(alert->text(), QString("<b>Converting Saved Comics<br>Please Wait...</b>"));
        QVERIFY(alert->findChild<ActivityIndicator *>()->isAnimating());
        QTRY_COMPARE_WITH_TIMEOUT(banners.shown, QStringList{"2 comics imported"}, 60000);
        QVERIFY(!alert || !alert->isVisible()); // it may be gone already
        QVERIFY(!container.rightButton());
        QCOMPARE(browser->numberOfRows(), 5);
        QCOMPARE(QList<bool>({browser->cellAt(0)->title() == "Untitled", browser->cellAt(1)->hasThumbnail()}),
                 QList<bool>({true, true}));
    }
};

QTEST_MAIN(TestSavedComicsBrowser)
#include "tst_saved_comics_browser.moc"
