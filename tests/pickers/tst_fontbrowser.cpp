// The font browser: the families listed, sorted, with the shipped comic
// font among them, and what choosing a row reports.
#include "pickers/FontBrowser.h"
#include "pickers/FontBrowser_delegate.h"
#include "toolkit/AppFonts.h"

#include <QTreeWidget>
#include <QtTest>

namespace {
struct Opener : FontBrowser_delegate {
    QList<QFont> chosen;
    void fontBrowserDidSelectFont(FontBrowser *, const QFont &font) override { chosen << font; }
};
}

class TestFontBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(AppFonts::registerBundledFonts().contains("Comic Neue")); }

    void theFamiliesAreListedSortedAndChoosingARowHandsItsFontOn()
    {
        Opener opener;
        FontBrowser browser(&opener);
        QCOMPARE(browser.windowTitle(), QString("Select a Font"));
        const QStringList families = browser.familyNames();
        QVERIFY(std::is_sorted(families.begin(), families.end()));
        QCOMPARE(browser.tableView()->topLevelItemCount(), families.size());
        const int section = int(families.indexOf("Comic Neue"));
        QVERIFY(section >= 0);
        QTreeWidgetItem *comic = browser.tableView()->topLevelItem(section);
        QCOMPARE(comic->text(0), QString("Comic Neue"));
        QVERIFY(comic->childCount() >= 1);
        QCOMPARE(comic->child(0)->font(0).family(), QString("Comic Neue"));

        browser.tableViewDidSelectRow(section, 0);
        QCOMPARE(opener.chosen.size(), 1);
        QCOMPARE(opener.chosen[0].family(), QString("Comic Neue"));
        QCOMPARE(opener.chosen[0].pointSizeF(), 17.0);
        // A row that is not there, and a cancel, report nothing.
        browser.tableViewDidSelectRow(section, 999);
        browser.tableViewDidSelectRow(-1, 0);
        browser.cancel();
        QCOMPARE(opener.chosen.size(), 1);
    }
};

QTEST_MAIN(TestFontBrowser)
#include "tst_fontbrowser.moc"
