// Copy, cut and paste through the real (offscreen) clipboard: within a
// comic, into another comic and after a restart; what other programs get
// and give; where pictures and pastes land; and what a copy with nothing
// selected leaves alone.
#include "editor/EditorFixture.h"

#include "editor/Clipboard.h"
#include "storage/SavedComics.h"
#include "toolkit/KeyedArchiver.h"
#include "toolkit/PngData.h"

#include <QClipboard>
#include <QMimeData>

namespace {
QClipboard *systemClipboard() { return QGuiApplication::clipboard(); }

QByteArray pictureBytes(int databaseId)
{
    return EditorFixture::stored("SELECT data FROM comicData WHERE id = ?", {databaseId}).toByteArray();
}

int owningComic(int databaseId)
{
    const QVariant comicId = EditorFixture::stored("SELECT comicId FROM comicData WHERE id = ?", {databaseId});
    return comicId.isValid() ? comicId.toInt() : -1;
}

void putOnClipboard(const QString &type, const QByteArray &bytes)
{
    auto *mime = new QMimeData;
    mime->setData(type, bytes);
    systemClipboard()->setMimeData(mime);
}
}

class TestClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { systemClipboard()->clear(); }

    void pastingInTheSameComicSharesThePictureRow()
    {
        EditorFixture f;
        f.zoom(0);
        QVERIFY(!f.actions().paste->isEnabled());
        ComicObjectImage *original = f.place(120, 80, QPointF(200, 150));
        f.editor->showObjectToolbar();
        QVERIFY(EditMenu::sharedMenuController()->triggerItem("Copy"));
        QVERIFY(f.actions().paste->isEnabled());
        // Other programs get a picture of it, at twice its size.
        const QImage picture = systemClipboard()->image();
        QCOMPARE(picture.size(), (original->frame().size() * 2).toSize());
        QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::darkCyan));

        // Ctrl+V in the overview: no panel to paste into.
        f.editor->deselectPanel();
        QWindow *window = f.showActive();
        QVERIFY(window);
        const int steps = f.history().stack()->count();
        QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.history().stack()->count(), steps);
        View *panel = f.zoom(3);
        QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
        ComicObjectImage *pasted = f.topObject(panel);
        QVERIFY(pasted && pasted != original);
        QCOMPARE(pasted->databaseId(), original->databaseId());
        QCOMPARE(pasted->frame(), QRectF(QPointF(0, 0), original->frame().size()));
        QVERIFY(!pasted->isSelected());
        QVERIFY(!f.selection().selectedComicObject());
        QVERIFY(!pasted->image().isNull());
        // A second paste shares the same row again.
        f.actions().paste->trigger();
        QCOMPARE(f.topObject(panel)->databaseId(), original->databaseId());
        QCOMPARE(panel->subviews().size(), 2);
        QCOMPARE(f.history().undoActionName(), QString("Undo Paste Image"));
        f.editor->undo();
        QCOMPARE(panel->subviews().size(), 1);
    }

    void picturesAndPastesLandAtTheVisibleLeftEdge()
    {
        EditorFixture f;
        f.rows().addSinglePanel();
        View *single = f.zoom(6);
        QCOMPARE(f.place(300, 600)->frame().topLeft(), QPointF(0, 0));
        for (int i = 0; i < 4; ++i) // two stops, then nothing moves
            f.mode().scrollPanelRight();
        QCOMPARE(f.place(100, 100)->frame().topLeft(), QPointF(320, 0));
        f.actions().copy->trigger();
        f.mode().scrollPanelLeft();
        f.actions().paste->trigger();
        QCOMPARE(f.topObject(single)->frame().topLeft(), QPointF(160, 0));
    }

    void withNothingSelectedTheClipboardStaysAloneAndACutIsUndone()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *object = f.place(120, 80, QPointF(150, 100));
        f.selection().deselectObject();
        systemClipboard()->setText("keep me");
        f.actions().copy->trigger();
        f.actions().cut->trigger();
        QCOMPARE(systemClipboard()->text(), QString("keep me"));
        QCOMPARE(f.history().undoActionName(), QString("Undo Add Image"));

        object->select();
        const QRectF frame = object->frame();
        f.actions().cut->trigger();
        f.settle(0.5);
        QVERIFY(panel->subviews().isEmpty());
        QCOMPARE(f.history().undoActionName(), QString("Undo Cut Image"));
        f.editor->undo();
        QCOMPARE(panel->subviews().size(), 1);
        QCOMPARE(object->frame(), frame);
        QCOMPARE(object->alpha(), 1.0);
        QVERIFY(systemClipboard()->mimeData()->hasFormat(Clipboard::kObjectType));
    }

    void anotherComicGetsItsOwnPictureRowEvenAfterARestart()
    {
        EditorFixture f;
        const int first = f.editor->store().comicId();
        f.zoom(0);
        // A photo is held at the size it is shown; its row keeps it whole.
        ComicObjectImage *original = f.place(2400, 1600);
        const int row = original->databaseId();
        f.actions().copy->trigger();
        const QByteArray stored = pictureBytes(row);

        // Restarted: a new editor with a new comic (the clipboard lives on).
        f.editor.reset();
        f.editor = std::make_unique<PanelryViewController>();
        const int second = f.editor->store().comicId();
        QVERIFY(second != first);
        View *panel = f.zoom(1);
        QVERIFY(f.actions().paste->isEnabled());
        f.actions().paste->trigger();
        f.actions().paste->trigger();
        ComicObjectImage *pasted = f.topObject(panel);
        QVERIFY(pasted->databaseId() != row);
        QCOMPARE(owningComic(pasted->databaseId()), second);
        QCOMPARE(pictureBytes(pasted->databaseId()), stored);
        // Each paste from the other comic's row copies it into this one.
        QCOMPARE(owningComic(qobject_cast<ComicObjectImage *>(panel->subviews().first())->databaseId()), second);
        // The first comic's deletion takes its own rows only.
        QVERIFY(SavedComics::remove(first));
        QCOMPARE(owningComic(row), -1);
        QCOMPARE(owningComic(pasted->databaseId()), second);
    }

    // What other programs put there: a picture is placed as a picked file
    // is; bytes that are no object, or an object of a later kind, paste
    // nothing.
    void fromOtherProgramsOnlyAPictureOrAnObjectThisVersionKnowsIsPasted()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        QImage picture(3000, 1500, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        putOnClipboard("image/png", pngData(picture)); // as a browser or image editor offers it
        QVERIFY(f.actions().paste->isEnabled());
        f.actions().paste->trigger();
        QTRY_VERIFY(f.topObject(panel));
        QCOMPARE(f.topObject(panel)->bounds().size(), QSizeF(150, 75));
        f.topObject(panel)->pictureWrite().waitForFinished(); // the PNG follows the object
        QCOMPARE(f.storedPicture(f.topObject(panel)->databaseId()).size(), QSize(2048, 1024));
        QCOMPARE(f.history().undoActionName(), QString("Undo Add Image"));

        const int steps = f.history().stack()->count();
        putOnClipboard(Clipboard::kObjectType, "\xbf\x61\x24 not an archive");
        f.actions().paste->trigger();
        KeyedArchiver coder("Panelry", 2);
        putOnClipboard(Clipboard::kObjectType,
                       coder.archivedData(coder.encodeObject(nullptr, "ComicObjectSticker", nullptr)));
        Banners banners;
        f.actions().paste->trigger();
        QCOMPARE(panel->subviews().size(), 1);
        QCOMPARE(f.history().stack()->count(), steps);
        QCOMPARE(banners.shown, QStringList{"This object needs a newer version of Panelry"});
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
