// The open comic's record: made for each new comic, holding the trimmed
// title; saving the comic by hand with a thumbnail and banners, by the
// autosave timer, before a new comic or a load; what a load
// brings back, and what it does with rows that are missing, unreadable or
// written by a later version.
#include "editor/EditorFixture.h"

#include "objects/ComicObjectDrawing.h"
#include "objects/ComicObjectText.h"
#include "savedcomics/SaveLoadViewController.h"
#include "ui/SubtitleCell.h"
#include "toolkit/KeyedArchiver.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/Popover.h"
#include "toolkit/Screen.h"
#include "toolkit/UserDefaults.h"
#include "support/ArchivedObjects.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>

namespace {
using Kind = ComicStore::SaveKind;

QVariant storedColumn(const QString &column, int id)
{
    return EditorFixture::stored("SELECT " + column + " FROM comics WHERE id = ?", {id});
}
int storedObjects(int id) { return objectsInArchive(storedColumn("data", id).toByteArray()); }

// A comic of single rows as a later version writes it. Each row's panel
// holds an image; the second row's also an object of a kind this build does
// not know, with parts of its own (one reached twice, one that refers back
// to it), and another image on top.
QByteArray laterComic(int rows)
{
    KeyedArchiver coder("Panelry", ComicArchive::kFormatVersion);
    const auto image = [](KeyedArchiver &c, double x) {
        return c.encodeObject(nullptr, "ComicObjectImage", [x](KeyedArchiver &o) {
            o.encodePoint("center", QPointF(x, 100));
            o.encodeRect("bounds", QRectF(0, 0, 80, 60));
            o.encodeTransform("transform", QTransform().rotate(30));
            o.encodeInt64("databaseId", 7);
        });
    };
    const auto balloon = [](KeyedArchiver &c) {
        int identity = 0;
        return c.encodeObject(&identity, "ComicObjectBalloon", [&identity](KeyedArchiver &b) {
            b.encodePoint("center", QPointF(200, 80));
            const auto tail = b.encodeObject(nullptr, "BalloonTail", [&identity](KeyedArchiver &t) {
                t.encodeReference("balloon", t.encodeObject(&identity, {}, nullptr));
                t.encodeDouble("angle", 0.1);
            });
            b.encodeReference("tail", tail);
            b.encodeString("text", "Later");
            b.encodeReference("mainTail", tail);
        });
    };
    QList<KeyedArchiver::Reference> entries;
    for (int row = 0; row < rows; ++row) {
        for (const bool placeholder : {false, true})
            entries << coder.encodeObject(nullptr, "UIView", [&](KeyedArchiver &c) {
                QList<KeyedArchiver::Reference> objects;
                if (!placeholder)
                    objects << image(c, 50);
                if (!placeholder && row == 1)
                    objects << balloon(c) << image(c, 300);
                const auto list = c.encodeList(objects);
                c.encodePoint("center", placeholder ? QPointF() : QPointF(320, 120 + 240 * row));
                c.encodeRect("bounds", placeholder ? QRectF() : QRectF(0, 0, 640, 240));
                c.encodeReference("subviews", list);
            });
    }
    return coder.archivedData(coder.encodeList(entries));
}

// Each fixture has a fresh home, where the default is not set yet.
void setAutosave(bool enabled) { UserDefaults::setBool(enabled, "autosaveEnabled"); }
}

class TestComicStore : public QObject
{
    Q_OBJECT

private slots:
    void everyNewComicGetsARecordWhereItsTitleIsStoredTrimmed()
    {
        EditorFixture f;
        Screen::setMainWindow(f.editor.get());
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowActive(f.editor.get()));
        const int first = f.editor->store().comicId();
        QVERIFY(first > 0);
        QCOMPARE(f.stored("SELECT title FROM comics WHERE id = ?", {first}), QVariant(""));
        // While the title is typed the canvas and the toolbar take no
        // touches; they come back with Return.
        QLineEdit *field = f.ui().comicTitle;
        field->setFocus();
        QVERIFY(f.ui().stage->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(f.ui().appToolbar->testAttribute(Qt::WA_TransparentForMouseEvents));
        const QString typed = "  Rage at 'the' printer; DROP TABLE comics  ";
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->hasFocus());
        QCOMPARE(f.stored("SELECT title FROM comics WHERE id = ?", {first}), QVariant(typed.trimmed()));
        QVERIFY(!f.ui().stage->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(!f.ui().appToolbar->testAttribute(Qt::WA_TransparentForMouseEvents));

        f.editor->resetComic();
        QCOMPARE(field->text(), QString());
        QVERIFY(f.editor->store().comicId() > first);
        QCOMPARE(f.stored("SELECT COUNT(*) FROM comics", {}), QVariant(2));
        // A folder where the database file should be: nothing opens, and the
        // new comic's saves cannot reach the old one.
        QFile::remove(UserDatabase::path());
        QVERIFY(QDir().mkpath(UserDatabase::path()));
        f.editor->resetComic();
        QCOMPARE(f.rows().numberOfPanels(), 3);
        QCOMPARE(f.editor->store().comicId(), 0);
    }

    void aManualSaveWritesThumbnailAndArchiveOrSaysWhyNot_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QSize>("thumbnail");
        const QString saved = "Comic saved to device";
        QTest::newRow("one row") << 1 << "" << saved << QSize(80, 30);
        QTest::newRow("two rows") << 2 << "" << saved << QSize(80, 60);
        QTest::newRow("five rows") << 5 << "" << saved << QSize(80, 60);
        // As when the database was locked while the comic was started.
        QTest::newRow("no record yet: it gets one") << 3 << "no record" << saved << QSize(80, 60);
        QTest::newRow("nothing on it") << 3 << "empty" << "Nothing to save" << QSize(0, 0);
        // Deleted from another window, say.
        QTest::newRow("its record gone") << 3 << "record gone" << "Comic could not be saved" << QSize(0, 0);
    }
    void aManualSaveWritesThumbnailAndArchiveOrSaysWhyNot()
    {
        QFETCH(int, rows);
        QFETCH(QString, situation);
        QFETCH(QString, banner);
        QFETCH(QSize, thumbnail);
        EditorFixture f;
        QWindow *window = f.showActive();
        QVERIFY(window);
        f.setRows(rows);
        ComicStore &store = f.editor->store();
        if (situation == "no record")
            store.setComicId(0);
        f.zoom(0);
        ComicObjectImage *object = situation == "empty" ? nullptr : f.place(100, 100);
        if (situation == "record gone")
            QVERIFY(f.update("DELETE FROM comics WHERE id = ?", {store.comicId()}));
        f.ui().comicTitle->setText("Late");
        Banners banners;
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier); // "Save to Device"
        store.waitForSave();
        QCOMPARE(banners.shown, QStringList{banner});
        QCOMPARE(QImage::fromData(storedColumn("thumbnail", store.comicId()).toByteArray(), "JPEG").size(), thumbnail);
        QCOMPARE(storedObjects(store.comicId()), thumbnail.isEmpty() ? -1 : 1);
        if (situation == "no record") {
            QVERIFY(store.comicId() > 0);
            QCOMPARE(f.stored("SELECT comicId FROM comicData WHERE id = ?", {object->databaseId()}), QVariant(store.comicId()));
            QCOMPARE(storedColumn("title", store.comicId()), QVariant("Late"));
        }
    }

    void aComicOfEveryKindSavedByHandComesBackWithAnEmptyHistory()
    {
        // The thumbnail draws every kind, a text's own text item included.
        EditorFixture f;
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        f.rows().addSinglePanel();
        View *panel = f.zoom(6);
        f.actions().addDrawing->trigger();
        const QPointF from = EditorFixture::onScreen(panel, QPointF(40, 150));
        f.drag(from, {from + QPointF(20, 0), from + QPointF(200, 40)});
        f.actions().finishDrawing->trigger();
        f.actions().addText->trigger();
        auto *text = f.selected<ComicObjectText>();
        QVERIFY(text);
        text->setText("Rage\nmore rage");
        text->hideKeyboard();
        // One whose picture row has gone comes back showing nothing; the next still shows its own.
        QVERIFY(f.update("DELETE FROM comicData WHERE id = ?", {f.place(80, 80, QPointF(500, 100))->databaseId()}));
        const QTransform turnedAndFlipped = QTransform().rotate(20).scale(-1, 1);
        f.place(100, 60, QPointF(300, 100))->setTransform(turnedAndFlipped);
        f.ui().comicTitle->setText("Monday");
        store.storeTitle("Monday");
        store.saveComicToDevice(Kind::Manual);
        store.waitForSave();
        QVERIFY(!storedColumn("thumbnail", id).toByteArray().isEmpty());

        f.editor->resetComic();
        store.loadComicWithId(id);
        QCOMPARE(store.comicId(), id);
        QCOMPARE(f.rows().numberOfPanels(), 4);
        QCOMPARE(f.ui().comicTitle->text(), QString("Monday"));
        QVERIFY(!f.history().canUndo());
        const QList<View *> objects = f.panel(6)->subviews();
        QCOMPARE(objects.size(), 4);
        auto *drawing = qobject_cast<ComicObjectDrawing *>(objects[0]);
        QVERIFY(drawing && !drawing->isInDrawingMode());
        QVERIFY(!drawing->bitmap().isNull());
        auto *loadedText = qobject_cast<ComicObjectText *>(objects[1]);
        QVERIFY(loadedText);
        QCOMPARE(loadedText->text(), QString("Rage\nmore rage"));
        QVERIFY(qobject_cast<ComicObjectImage *>(objects[2])->image().isNull());
        auto *image = qobject_cast<ComicObjectImage *>(objects[3]);
        QVERIFY(image);
        QCOMPARE(image->transform(), turnedAndFlipped);
        QCOMPARE(image->center(), QPointF(300, 100));
        QVERIFY(!image->image().isNull());
        // Its gestures reach the editor once its panel is zoomed.
        QVERIFY(!image->isUserInteractionEnabled());
        f.zoom(6);
        f.tap(EditorFixture::centerOnScreen(image));
        QCOMPARE(f.selection().selectedComicObject(), image);
    }

    void theTimerSavesWithoutThumbnailOnlyWhileEnabledAndActive()
    {
        EditorFixture f;
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        f.zoom(0);
        // Each picture is in its row before a timer's save (which waits
        // for any still being written, see tst_placement).
        f.place(100, 100)->pictureWrite().waitForFinished();
        setAutosave(false);
        store.didBecomeActive();
        f.settle(ComicStore::kAutosaveInterval + 0.5);
        store.waitForSave();
        QVERIFY(fmIsNullObject(storedColumn("data", id)));

        setAutosave(true);
        Banners banners;
        f.settle(ComicStore::kAutosaveInterval);
        store.waitForSave();
        QCOMPARE(storedObjects(id), 1);
        QVERIFY(fmIsNullObject(storedColumn("thumbnail", id)));
        QVERIFY(banners.shown.isEmpty());

        // Resigning stops the timer: a later change stays unsaved (until
        // the process ends, which saves at once).
        store.willResignActive();
        f.place(50, 50)->pictureWrite().waitForFinished();
        f.settle(ComicStore::kAutosaveInterval * 2);
        store.waitForSave();
        QCOMPARE(storedObjects(id), 1);

        // A new comic's save finds a save still writing: it waits for it
        // rather than being dropped, and saves the latest state.
        store.autoSave();
        QVERIFY(store.isSaving());
        f.place(60, 60);
        f.editor->resetComic();
        QCOMPARE(storedObjects(id), 3);
        QVERIFY(store.comicId() != id);
    }

    void theMoreSheetSavesAndOpensTheBrowserWhichLoads_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::newRow("tablet: a popover") << Device::Idiom::Tablet;
        QTest::newRow("phone: a modal screen") << Device::Idiom::Phone;
    }
    void theMoreSheetSavesAndOpensTheBrowserWhichLoads()
    {
        QFETCH(Device::Idiom, idiom);
        EditorFixture f(idiom);
        ComicStore &store = f.editor->store();
        const int saved = store.comicId();
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
        f.zoom(0);
        f.place(100, 100);
        // The sheet's entries by keyboard, from the first.
        f.actions().more->trigger();
        f.type({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}); // "Save to Device"
        store.waitForSave();
        f.editor->resetComic();

        f.actions().more->trigger();
        f.type({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}); // "Load from Device"
        auto *browser = f.editor->findChild<SaveLoadViewController *>();
        QVERIFY(browser);
        if (idiom == Device::Idiom::Tablet)
            QVERIFY(qobject_cast<Popover *>(f.transients().popover()));
        else
            QVERIFY(browser->parentWidget()->parentWidget()->inherits("ModalScreen"));
        QCOMPARE(browser->activeComicId(), store.comicId());
        QCOMPARE(browser->numberOfRows(), 1);
        // Its rows fit the screen: the thumbnail at their right end shows.
        QCOMPARE(browser->cellAt(0)->width(), browser->savedComicsTable()->viewport()->width());
        f.type({Qt::Key_Return}); // on the first row, which has the focus
        QCOMPARE(store.comicId(), saved);
        QCOMPARE(f.panel(0)->subviews().size(), 1);
        QVERIFY(!f.transients().popover());
    }

    // A missing comic leaves a new one; unreadable bytes open nothing and
    // are never written over; objects of later kinds are written back as
    // they were until their row goes.
    void storedBytesAreOpenedOrKeptAsTheyWere()
    {
        EditorFixture f;
        setAutosave(true);
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        store.loadComicWithId(987654);
        QCOMPARE(f.rows().numberOfPanels(), 3);
        QVERIFY(store.comicId() > 0 && store.comicId() != 987654 && store.comicId() != id);

        const QByteArray garbage("\xa5 this is not a comic", 21);
        QVERIFY(f.update("UPDATE comics SET data = ? WHERE id = ?", {garbage, id}));
        Banners banners;
        store.loadComicWithId(id);
        QCOMPARE(banners.shown, QStringList{"This comic could not be opened"});
        QVERIFY(store.comicId() != id);
        f.zoom(0);
        f.place(100, 100);
        store.saveComicToDevice(Kind::Manual);
        store.waitForSave();
        QCOMPARE(storedColumn("data", id).toByteArray(), garbage);

        const int later = store.comicId();
        f.editor->resetComic(); // a load saves the open comic first
        const QByteArray stored = laterComic(2);
        QVERIFY(f.update("UPDATE comics SET data = ? WHERE id = ?", {stored, later}));
        store.loadComicWithId(later);
        QVERIFY(banners.shown.contains("Some objects need a newer version of Panelry"));
        // Opened and left alone: the timer's save and the one at quitting
        // write the comic back exactly as it was.
        store.didBecomeActive();
        f.settle(ComicStore::kAutosaveInterval);
        store.waitForSave();
        QCOMPARE(storedColumn("data", later).toByteArray(), stored);
        emit Lifecycle::shared()->didEnterBackgroundOrWillTerminate();
        QCOMPARE(storedColumn("data", later).toByteArray(), stored);
        // Its row goes, and it with it; the rest stays as it was.
        f.actions().removeLastPanel->trigger();
        emit Lifecycle::shared()->didEnterBackgroundOrWillTerminate();
        QCOMPARE(storedColumn("data", later).toByteArray(), laterComic(1));
    }
};

QTEST_MAIN(TestComicStore)
#include "tst_comic_store.moc"
