// The face category browser on the real face library: how it opens and
// closes on each device (a popover at the toolbar button on a tablet, a
// full-window page with "Back" on a phone), what it lists, and that picking
// a category refills the strip from its start.
#include "editor/EditorFixture.h"

#include "faces/RageFaceCategoryBrowser.h"
#include "support/Widgets.h"
#include "toolkit/AppPaths.h"
#include "toolkit/ModalScreen.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/Popover.h"
#include "ui/ActivityIndicator.h"

#include <QListWidget>
#include <QPushButton>

namespace {

void clickRow(RageFaceCategoryBrowser *browser, const QString &name)
{
    QListWidget *list = browser->tableViewCategories();
    QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}

class TestFaceBrowser : public QObject
{
    Q_OBJECT
    std::unique_ptr<EditorFixture> f;

    void openEditor(Device::Idiom idiom)
    {
        f = std::make_unique<EditorFixture>(idiom);
        f->editor->show();
        f->zoom(0);
        EditorFixture::settle(1);
    }

    // Through the toolbar button, as the user opens it.
    ButtonWithHint *browserButton() const { return f->part<EditorCommands>().button(f->actions().selectRageCategory); }
    void openBrowser() { browserButton()->button()->click(); }
    Popover *popover() const { return qobject_cast<Popover *>(f->transients().popover()); }

    // The strip shows the category's faces, from its start.
    void verifyStripShows(const QString &name)
    {
        const QString folder = AppPaths::resource("RageFaces/" + name);
        const QList<RageFaceImageView *> tiles = f->faceTiles();
        QCOMPARE(tiles.size(), QDir(folder + "/thumb").entryList({"*.png"}, QDir::Files).size());
        QVERIFY(tiles.first()->imagePath().startsWith(folder + "/"));
        QCOMPARE(f->ui().scrollViewFaces->contentOffset(), QPointF(0, 0));
    }

private slots:
    void cleanup()
    {
        f.reset();
        flushEvents();
    }

    void tabletPopoverClosesOnAClickOutsideOnReopeningAndWithAPick()
    {
        openEditor(Device::Idiom::Tablet);
        openBrowser();
        QPointer<Popover> first = popover();
        // Through the window, as the user's press comes.
        QTest::mouseClick(f->editor->windowHandle(), Qt::LeftButton, {}, QPoint(400, 20));
        flushEvents();
        QVERIFY(!first);
        QVERIFY(!f->transients().popover());

        openBrowser();
        QPointer<Popover> second = popover();
        openBrowser();
        QPointer<Popover> shown = popover();
        flushEvents();
        // The second one's closing does not take the third with it.
        QVERIFY(!second);
        QVERIFY(shown && shown->isVisible() && shown->parentWidget() == f->editor.get());
        QCOMPARE(f->transients().popover(), shown.data());
        verifyStripShows("Normal");
        QCOMPARE(shown->container()->title(), QString("Select a Category"));
        // Above the button, which sits in the bottom toolbar.
        QVERIFY(shown->geometry().bottom() < browserButton()->mapTo(f->editor.get(), QPoint(0, 0)).y());

        // A screen shown over another (no command closed it first) replaces
        // it, and the one replaced, gone at once or not, never takes the
        // newer one with it.
        Transients &transients = f->transients();
        transients.presentScreen(new QWidget, QSize(320, 480), browserButton());
        flushEvents();
        QVERIFY(!shown);
        QPointer<QWidget> replaced = transients.popover();
        transients.presentScreen(new QWidget, QSize(100, 100), f->part<EditorCommands>().button(f->actions().undo));
        QWidget *newest = transients.popover();
        QTest::mouseClick(newest, Qt::LeftButton); // outside the one replaced
        QCOMPARE(transients.popover(), newest);
        flushEvents();
        QVERIFY(!replaced && newest->isVisible());

        openBrowser();
        shown = popover();
        f->ui().scrollViewFaces->setContentOffset(QPointF(90, 0));
        auto *browser = qobject_cast<RageFaceCategoryBrowser *>(shown->container()->screen());
        QCOMPARE(browser->searchResultsWidget()->geometry(), QRect(0, 44, 320, 436));
        clickRow(browser, "Animals");
        QVERIFY(browser->activityIndicator()->isAnimating());
        verifyStripShows("Animals");
        QVERIFY(!f->transients().popover());
        flushEvents();
        QVERIFY(!shown);
    }

    void phonePageClosesWithBackOrAPick()
    {
        openEditor(Device::Idiom::Phone);
        openBrowser();
        QVERIFY(!f->transients().popover());
        QPointer<ModalScreen> page = f->editor->findChild<ModalScreen *>();
        QVERIFY(page);
        EditorFixture::settle(0.5); // slid in
        QCOMPARE(page->geometry(), f->editor->rect());
        QCOMPARE(page->container()->title(), QString("Select a Category"));
        QCOMPARE(page->container()->leftButton()->text(), QString("Back"));
        f->type({Qt::Key_Escape}); // as "Back"
        EditorFixture::settle(0.5);
        flushEvents();
        QVERIFY(!page);
        verifyStripShows("Normal");

        openBrowser();
        page = f->editor->findChild<ModalScreen *>();
        EditorFixture::settle(0.5);
        auto *browser = qobject_cast<RageFaceCategoryBrowser *>(page->container()->screen());
        QCOMPARE(browser->searchResultsWidget()->geometry(), QRect(0, 44, 320, 392));
        // The category folders, listed by name.
        const QStringList names = browser->tableData();
        QVERIFY(names.size() >= 10 && names.contains("Normal"));
        QCOMPARE(browser->tableViewCategories()->count(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(browser->tableViewCategories()->item(i)->text(), names[i]);
            QVERIFY(i == 0 || names[i - 1].compare(names[i], Qt::CaseInsensitive) < 0);
        }
        // By keyboard: the list has it, from its first row.
        f->type({Qt::Key_Down, Qt::Key_Return});
        verifyStripShows(names.at(1));
        EditorFixture::settle(0.5);
        flushEvents();
        QVERIFY(!page);
    }
};

QTEST_MAIN(TestFaceBrowser)
#include "tst_facebrowser.moc"
