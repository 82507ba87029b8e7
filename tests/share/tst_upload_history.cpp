// "Upload History": rows newest first with their local dates, a tap opening
// only web addresses, holding a row copying its link, and deleting, which
// keeps a row whose entry could not be deleted.
#include "share/HistoryViewController.h"
#include "support/Banners.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/Clock.h"
#include "toolkit/Pasteboard.h"
#include "ui/LocalDates.h"
#include "ui/RowList.h"
#include "ui/SubtitleCell.h"

#include <QDir>
#include <QListWidget>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

namespace {
QStringList titles(const HistoryViewController &screen)
{
    QStringList titles;
    for (int row = 0; row < screen.rows()->count(); ++row)
        titles << screen.rows()->cellAt(row)->title();
    return titles;
}
}

class TestUploadHistory : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        UserDatabase::copyDBFile();
        Clock::shared().setManual(true);
        for (const QVariantList &row : {QVariantList{"Tom & Jerry", "https://i.example.com/a.png", "2012-03-05 12:00:00"},
                                        QVariantList{QVariant(), "javascript:alert(1)", "2012-03-06 12:00:00"},
                                        QVariantList{"", "https://i.example.com/b.png", "2012-03-06 12:00:00"}})
            QVERIFY(userDbUpdate("INSERT INTO history (title, link, timestamp) VALUES (?, ?, ?)", row));
    }
    void cleanup() { home.reset(); }

    void aTapOpensOnlyAWebAddressAndHoldingARowCopiesItsLink()
    {
        Banners banners;
        HistoryViewController screen;
        QSignalSpy opened(&screen, &HistoryViewController::linkChosen);
        screen.resize(HistoryViewController::kPopoverSize);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        // The later of two uploads of the same second comes first.
        QCOMPARE(titles(screen), QStringList({"Untitled", "Untitled", "Tom & Jerry"}));
        QCOMPARE(screen.rows()->cellAt(2)->detail(), LocalDates::localDateText("2012-03-05 12:00:00"));
        for (int row : {0, 1})
            QTest::mouseClick(screen.rows()->cellAt(row), Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toUrl(), QUrl("https://i.example.com/b.png"));

        SubtitleCell *held = screen.rows()->cellAt(2);
        QTest::mousePress(held, Qt::LeftButton);
        for (int i = 0; i < 20; ++i)
            Clock::shared().advance(0.1);
        QTest::mouseRelease(held, Qt::LeftButton);
        QCOMPARE(Pasteboard::text(), QString("https://i.example.com/a.png"));
        QCOMPARE(opened.size(), 1); // the release after holding opens nothing
        QCOMPARE(banners.shown, QStringList({"Tap and hold to copy link", "Link cannot be opened", "Link copied"}));
    }

    void deletingKeepsTheRowsOfEntriesThatStayAndAnEmptyHistoryIsHidden()
    {
        Banners banners;
        HistoryViewController screen;
        QListWidget *list = screen.rows()->list();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(titles(screen), QStringList({"Untitled", "Tom & Jerry"}));
        QCOMPARE(userDbValues("SELECT count(*) FROM history").value(0).toInt(), 2);

        // The database is gone from under the screen (a folder in its place).
        QVERIFY(QFile::rename(UserDatabase::path(), UserDatabase::path() + ".away"));
        QVERIFY(QDir().mkpath(UserDatabase::path()));
        emit screen.rows()->deleteRequested(0);
        QCOMPARE(screen.rows()->count(), 2);
        QVERIFY(QDir().rmdir(UserDatabase::path()));
        QVERIFY(QFile::rename(UserDatabase::path() + ".away", UserDatabase::path()));
        for (int i = 0; i < 2; ++i)
            emit screen.rows()->deleteRequested(0);
        QVERIFY(list->isHidden());
        QCOMPARE(banners.shown, QStringList{"Upload could not be deleted"});

        HistoryViewController empty;
        empty.show();
        QVERIFY(QTest::qWaitForWindowExposed(&empty));
        QVERIFY(empty.rows()->list()->isHidden());
        QCOMPARE(banners.shown.size(), 1); // no hint about holding rows
    }
};

QTEST_MAIN(TestUploadHistory)
#include "tst_upload_history.moc"
