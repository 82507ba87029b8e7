// Saving and loading the open comic: by hand with a thumbnail and banners,
// by the autosave timer, before a new comic, a load or quitting; what a
// load brings back, and what it does with rows that are missing,
// unreadable or written by a later version.
#include "editor/EditorFixture.h"

#include "editor/ComicStore.h"
#include "editor/LoadComicScreen.h"
#include "editor/Transients.h"
#include "savedcomics/SaveLoadViewController.h"
#include "savedcomics/SavedComicCell.h"
#include "toolkit/Popover.h"
#include "objects/ComicArchive.h"
#include "objects/ComicObjectDrawing.h"
#include "objects/ComicObjectText.h"
#include "storage/FMDatabase.h"
#include "toolkit/KeyedArchiver.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/UserDefaults.h"
#include "support/ArchivedObjects.h"
#include "support/Banners.h"

#include <QDir>
#include <QListWidget>

namespace {
using Kind = ComicStore::SaveKind;

struct Row {
    bool exists = false;
    QByteArray thumbnail;
    QByteArray data;
};

Row storedRow(int id)
{
    FMDatabase db(UserDatabase::path());
    Row row;
    if (db.open())
        if (auto rows = db.executeQuery("SELECT thumbnail, data FROM comics WHERE id = ?", {id}))
            while (rows->next())
                row = {true, rows->dataForColumn("thumbnail"), rows->dataForColumn("data")};
    db.close();
    return row;
}

void setStoredData(int id, const QByteArray &data)
{
    FMDatabase db(UserDatabase::path());
    QVERIFY(db.open() && db.executeUpdate("UPDATE comics SET data = ? WHERE id = ?", {data, id}));
    db.close();
}


// Each fixture has a fresh home, where the default is not set yet.
void setAutosave(bool enabled)
{
    UserDefaults::setBool(enabled, "autosaveEnabled");
}
}

class TestComicStore : public QObject
{
    Q_OBJECT

private slots:
    void aManualSaveWritesThumbnailAndArchive_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QSize>("thumbnail");
        QTest::newRow("one row") << 1 << QSize(80, 30);
        QTest::newRow("two rows") << 2 << QSize(80, 60);
        QTest::newRow("five rows") << 5 << QSize(80, 60);
    }
    void aManualSaveWritesThumbnailAndArchive()
    {
        QFETCH(int, rows);
        QFETCH(QSize, thumbnail);
        EditorFixture f;
        while (f.rows().numberOfPanels() > rows)
            f.rows().removeLastPanel();
        while (f.rows().numberOfPanels() < rows)
            f.rows().addSinglePanel();
        f.zoom(0);
        f.place(100, 100);
        Banners banners;
        ComicStore &store = f.editor->store();
        store.saveComicToDevice(Kind::Manual);
        QVERIFY(store.isSaving());
        store.waitForSave();
        QVERIFY(!store.isSaving());
        QCOMPARE(banners.shown, QStringList{"Comic saved to device"});
        const Row row = storedRow(store.comicId());
        QCOMPARE(QImage::fromData(row.thumbnail, "JPEG").size(), thumbnail);
        QCOMPARE(objectsInArchive(row.data), 1);
    }

    void aComicOfEveryKindSavesByHandAndComesBack()
    {
        // The thumbnail draws every kind, a text's own text item included.
        EditorFixture f;
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        f.zoom(0);
        f.place(100, 100);
        f.actions().addDrawing->trigger();
        const QPointF from = EditorFixture::onScreen(f.panel(0), QPointF(40, 150));
        f.drag(from, {from + QPointF(20, 0), from + QPointF(200, 40)});
        f.actions().finishDrawing->trigger();
        f.actions().addText->trigger();
        auto *text = qobject_cast<ComicObjectText *>(f.selection().selectedComicObject());
        QVERIFY(text);
        text->setText("Rage\nmore rage");
        text->hideKeyboard();
        store.saveComicToDevice(Kind::Manual);
        store.waitForSave();
        QVERIFY(!storedRow(id).thumbnail.isEmpty());

        f.editor->resetComic();
        store.loadComicWithId(id);
        const QList<View *> objects = f.panel(0)->subviews();
        QCOMPARE(objects.size(), 3);
        QVERIFY(qobject_cast<ComicObjectImage *>(objects[0]));
        auto *drawing = qobject_cast<ComicObjectDrawing *>(objects[1]);
        QVERIFY(drawing && !drawing->isInDrawingMode());
        QVERIFY(!drawing->bitmap().isNull());
        auto *loadedText = qobject_cast<ComicObjectText *>(objects[2]);
        QVERIFY(loadedText);
        QCOMPARE(loadedText->text(), QString("Rage\nmore rage"));
    }

    void aComicWithoutObjectsIsNotSaved()
    {
        EditorFixture f;
        Banners banners;
        f.editor->store().saveComicToDevice(Kind::Manual);
        QCOMPARE(banners.shown, QStringList{"Nothing to save"});
        QVERIFY(storedRow(f.editor->store().comicId()).data.isNull());
    }

    void theTimerSavesWithoutThumbnailOnlyWhileEnabledAndActive()
    {
        EditorFixture f;
        ComicStore &store = f.editor->store();
        f.zoom(0);
        f.place(100, 100);
        setAutosave(false);
        store.didBecomeActive();
        f.settle(ComicStore::kAutosaveInterval + 0.5);
        store.waitForSave();
        QVERIFY(storedRow(store.comicId()).data.isNull());

        setAutosave(true);
        Banners banners;
        f.settle(ComicStore::kAutosaveInterval);
        store.waitForSave();
        const Row row = storedRow(store.comicId());
        QCOMPARE(objectsInArchive(row.data), 1);
        QVERIFY(row.thumbnail.isNull());
        QVERIFY(banners.shown.isEmpty());

        // Resigning stops the timer: a later change stays unsaved.
        store.willResignActive();
        f.place(50, 50);
        f.settle(ComicStore::kAutosaveInterval * 2);
        store.waitForSave();
        QCOMPARE(objectsInArchive(storedRow(store.comicId()).data), 1);
    }

    void leavingWaitsForARunningAutosaveAndSavesTheLatestState()
    {
        EditorFixture f;
        setAutosave(true);
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        f.zoom(0);
        f.place(100, 100);
        store.autoSave();
        QVERIFY(store.isSaving());
        f.place(60, 60);
        // The new comic's save finds the timer's still writing: it waits
        // for it rather than being dropped.
        f.editor->resetComic();
        QCOMPARE(objectsInArchive(storedRow(id).data), 2);
        QVERIFY(store.comicId() != id);
    }

    void quittingSavesAtOnce()
    {
        EditorFixture f;
        setAutosave(true);
        f.zoom(0);
        f.place(100, 100);
        emit Lifecycle::shared()->didEnterBackgroundOrWillTerminate();
        QVERIFY(!f.editor->store().isSaving());
        QCOMPARE(objectsInArchive(storedRow(f.editor->store().comicId()).data), 1);
    }

    void closingTheWindowSaves()
    {
        EditorFixture f;
        setAutosave(true);
        f.zoom(0);
        f.place(100, 100);
        Lifecycle::shared()->watchWindow(f.editor.get());
        f.editor->show();
        f.editor->close();
        QCOMPARE(objectsInArchive(storedRow(f.editor->store().comicId()).data), 1);
    }

    void aFailedManualSaveSaysSo()
    {
        EditorFixture f;
        f.zoom(0);
        f.place(100, 100);
        ComicStore &store = f.editor->store();
        // The row went away (deleted from another window, say).
        FMDatabase db(UserDatabase::path());
        QVERIFY(db.open() && db.executeUpdate("DELETE FROM comics WHERE id = ?", {store.comicId()}));
        db.close();
        Banners banners;
        store.saveComicToDevice(Kind::Manual);
        store.waitForSave();
        QCOMPARE(banners.shown, QStringList{"Comic could not be saved"});
    }

    void aComicWithoutRecordGetsOneWhenSaved()
    {
        EditorFixture f;
        ComicStore &store = f.editor->store();
        // As when the database was locked while the comic was started.
        store.setComicId(0);
        f.zoom(0);
        ComicObjectImage *object = f.place(100, 100);
        f.ui().comicTitle->setText("Late");
        store.saveComicToDevice(Kind::Manual);
        store.waitForSave();
        QVERIFY(store.comicId() > 0);
        QCOMPARE(objectsInArchive(storedRow(store.comicId()).data), 1);
        FMDatabase db(UserDatabase::path());
        QVERIFY(db.open());
        auto rows = db.executeQuery("SELECT comicId FROM comicData WHERE id = ?", {object->databaseId()});
        QVERIFY(rows && rows->next());
        QCOMPARE(rows->intForColumn("comicId"), store.comicId());
        rows = db.executeQuery("SELECT title FROM comics WHERE id = ?", {store.comicId()});
        QVERIFY(rows && rows->next());
        QCOMPARE(rows->stringForColumn("title"), QString("Late"));
    }

    void aLoadBringsTheComicBackWithAnEmptyHistory()
    {
        EditorFixture f;
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        f.rows().addSinglePanel();
        f.zoom(6);
        ComicObjectImage *object = f.place(100, 60, QPointF(300, 100));
        object->setTransform(QTransform().rotate(20).scale(-1, 1));
        f.ui().comicTitle->setText("Monday");
        store.storeTitle("Monday");
        store.saveComicToDevice(Kind::Manual);
        store.waitForSave();

        f.editor->resetComic();
        QVERIFY(store.comicId() != id);
        store.loadComicWithId(id);
        QCOMPARE(store.comicId(), id);
        QCOMPARE(f.rows().numberOfPanels(), 4);
        QCOMPARE(f.ui().comicTitle->text(), QString("Monday"));
        QVERIFY(!f.history().canUndo());
        QVERIFY(!f.mode().selectedPanel());
        auto *loaded = qobject_cast<ComicObjectImage *>(f.panel(6)->subviews().value(0));
        QVERIFY(loaded);
        QCOMPARE(loaded->transform(), QTransform().rotate(20).scale(-1, 1));
        QCOMPARE(loaded->center(), QPointF(300, 100));
        QVERIFY(!loaded->isUserInteractionEnabled());
        QVERIFY(!loaded->image().isNull());
        // Its gestures reach the editor once its panel is zoomed.
        f.zoom(6);
        f.tap(EditorFixture::centerOnScreen(loaded));
        QCOMPARE(f.selection().selectedComicObject(), loaded);
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
        f.zoom(0);
        f.place(100, 100);
        f.actions().more->trigger();
        f.editor->transients().actionSheet()->clickButtonAtIndex(2); // "Save to Device"
        store.waitForSave();
        f.editor->resetComic();

        f.actions().more->trigger();
        f.editor->transients().actionSheet()->clickButtonAtIndex(3); // "Load from Device"
        auto *browser = f.editor->findChild<SaveLoadViewController *>();
        QVERIFY(browser);
        if (idiom == Device::Idiom::Tablet)
            QVERIFY(qobject_cast<Popover *>(f.editor->transients().popover()));
        else
            QVERIFY(browser->parentWidget()->parentWidget()->inherits("ModalScreen"));
        QCOMPARE(browser->activeComicId(), store.comicId());
        QCOMPARE(browser->numberOfRows(), 1);
        // Its rows fit the screen: the thumbnail at their right end shows.
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
        QCOMPARE(browser->cellAt(0)->width(), browser->savedComicsTable()->viewport()->width());
        browser->tableViewDidSelectRow(0);
        QCOMPARE(store.comicId(), saved);
        QCOMPARE(f.panel(0)->subviews().size(), 1);
        QVERIFY(!f.editor->transients().popover());
    }

    void aLoadOfAMissingOrUnsavedComicLeavesANewOne()
    {
        EditorFixture f;
        f.editor->store().loadComicWithId(987654);
        QCOMPARE(f.rows().numberOfPanels(), 3);
        QVERIFY(f.editor->store().comicId() > 0);
        QVERIFY(f.editor->store().comicId() != 987654);
    }

    void unreadableBytesOpenNothingAndAreNeverWrittenOver()
    {
        EditorFixture f;
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        const QByteArray garbage("\xa5 this is not a comic", 21);
        setStoredData(id, garbage);
        f.editor->resetComic();
        Banners banners;
        store.loadComicWithId(id);
        QCOMPARE(banners.shown, QStringList{"This comic could not be opened"});
        QVERIFY(store.comicId() != id);
        QCOMPARE(f.rows().numberOfPanels(), 3);
        f.zoom(0);
        f.place(100, 100);
        store.saveComicToDevice(Kind::Manual);
        store.waitForSave();
        QCOMPARE(storedRow(id).data, garbage);
    }

    void objectsOfLaterKindsAreLeftOutWithABanner()
    {
        EditorFixture f;
        ComicStore &store = f.editor->store();
        const int id = store.comicId();
        KeyedArchiver coder("Panelry", 2);
        const auto sticker = coder.encodeObject(nullptr, "ComicObjectSticker", nullptr);
        QList<KeyedArchiver::Reference> entries;
        for (int i = 0; i < 3; ++i) // an odd count: the last row gets its placeholder
            entries << coder.encodeObject(nullptr, "UIView", [&](KeyedArchiver &c) {
                const auto children = c.encodeList(i == 0 ? QList{sticker} : QList<KeyedArchiver::Reference>());
                c.encodePoint("center", QPointF(320, 120 + 240 * i));
                c.encodeRect("bounds", QRectF(0, 0, 640, 240));
                c.encodeReference("subviews", children);
            });
        setStoredData(id, coder.archivedData(coder.encodeList(entries)));
        Banners banners;
        store.loadComicWithId(id);
        QCOMPARE(store.comicId(), id);
        QCOMPARE(f.rows().numberOfPanels(), 2);
        QCOMPARE(f.panel(2)->frame(), QRectF(0, 480, 640, 240));
        QCOMPARE(f.panel(3)->frame(), QRectF());
        QVERIFY(banners.shown.contains("Some objects need a newer version of Panelry"));
    }
};

QTEST_MAIN(TestComicStore)
#include "tst_comic_store.moc"
