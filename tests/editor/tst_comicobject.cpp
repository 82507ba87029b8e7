// Comic objects in a zoomed panel, driven by touches: tap to select, a
// second tap to flip, drag to move, long press for the menu that reorders,
// removal, and the undo steps of moves and flips.
#include "editor/EditorFixture.h"

#include <QMouseEvent>

class TestComicObject : public QObject
{
    Q_OBJECT

private slots:
    void aFirstTapSelectsASecondFlipsAndUndoGivesTheWholeTransformBack()
    {
        EditorFixture f;
        f.zoom(0);
        ComicObjectImage *face = f.place(256, 256);
        const QTransform rotated = QTransform().rotateRadians(0.7);
        face->setTransform(rotated);
        f.editor->deselectObject();
        const int steps = f.history().stack()->count();

        f.tap(EditorFixture::centerOnScreen(face));
        QVERIFY(face->isSelected());
        QCOMPARE(face->transform(), rotated);
        QCOMPARE(f.history().stack()->count(), steps);

        // The flip restarts the idle timer.
        EditorFixture::settle(2.0);
        f.tap(EditorFixture::centerOnScreen(face));
        const QTransform mirrored = QTransform(rotated).scale(-1, 1);
        QCOMPARE(face->transform(), mirrored);
        QCOMPARE(f.history().undoActionName(), QString("Undo Flip Image"));
        EditorFixture::settle(2.5);
        QVERIFY(face->isSelected());
        f.tap(EditorFixture::centerOnScreen(face));
        QCOMPARE(face->transform(), rotated);

        f.editor->undo();
        QVERIFY(!face->isSelected());
        QCOMPARE(face->transform(), mirrored);
        QCOMPARE(f.history().redoActionName(), QString("Redo Flip Image"));
        f.editor->undo();
        QCOMPARE(face->transform(), rotated);
        f.editor->redo();
        QCOMPARE(face->transform(), mirrored);

        // With a mouse: the window system reports the second press of a
        // quick pair as a double click.
        f.editor->deselectObject();
        QWidget *viewport = f.ui().stage->viewport();
        const QPoint at = f.ui().stage->mapFromScene(EditorFixture::centerOnScreen(face));
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
        QCOMPARE(face->transform(), rotated);
    }

    void aDragFollowsTheFingerThroughTheZoomAndNeverFlips()
    {
        EditorFixture f;
        f.zoom(1);
        ComicObjectImage *face = f.place(200, 100);
        face->setTransform(QTransform().rotateRadians(1.1));
        f.editor->deselectObject();
        const Geometry before = Geometry::of(face);
        const QPointF from = EditorFixture::centerOnScreen(face);

        // The zoomed panel shows its points twice as large.
        f.drag(from, {from + QPointF(20, 0), from + QPointF(60, 40)});
        QCOMPARE(face->center(), before.center + QPointF(30, 20));
        QCOMPARE(face->transform(), before.transform);
        QVERIFY(face->isSelected());
        const QRectF box = f.mode().selectedPanel()->convertRect(face->frame(), f.ui().controlsOverlay);
        QCOMPARE(f.controls().deleteBtn->frame().topLeft(), box.topLeft());
        f.editor->undo();
        QCOMPARE(Geometry::of(face), before);
        f.editor->redo();
        QCOMPARE(face->center(), before.center + QPointF(30, 20));

        // Back to where it began is a step all the same.
        const int steps = f.history().stack()->count();
        f.drag(from, {from + QPointF(40, 0), from});
        QCOMPARE(f.history().stack()->count(), steps + 1);
        QCOMPARE(f.history().undoActionName(), QString("Undo Move Image"));
    }

    void aLongPressSelectsOpensTheMenuWhichReordersWithoutAStepAndNeverDrags()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *a = f.place(100, 100, QPointF(250, 60));
        ComicObjectImage *face = f.place(120, 120);
        ComicObjectImage *c = f.place(100, 100, QPointF(250, 180));
        f.editor->deselectObject();
        const QPointF at = EditorFixture::centerOnScreen(face);
        const QPointF center = face->center();
        const int steps = f.history().stack()->count();

        f.touches().touchBegan(1, at);
        EditorFixture::settle(0.35);
        QVERIFY(!face->isSelected());
        EditorFixture::settle(0.1);
        QVERIFY(face->isSelected());
        EditMenu *menu = EditMenu::sharedMenuController();
        QVERIFY(menu->isMenuVisible());
        QCOMPARE(menu->itemTitles(), QStringList({"Copy", "Cut", "Bring to Front", "Send to Back"}));
        QCOMPARE(menu->targetRect(), face->frame());

        f.touches().touchMoved(1, at + QPointF(80, 0));
        f.touches().touchEnded(1, at + QPointF(80, 0));
        QCOMPARE(face->center(), center);
        f.editor->showObjectToolbar();
        QVERIFY(menu->triggerItem("Bring to Front"));
        QCOMPARE(panel->subviews(), QList<View *>({a, c, face}));
        f.editor->showObjectToolbar();
        QVERIFY(menu->triggerItem("Send to Back"));
        QCOMPARE(panel->subviews(), QList<View *>({face, a, c}));
        QCOMPARE(f.selected(), face);
        QCOMPARE(f.history().stack()->count(), steps);
        f.editor->deselectObject();
        QVERIFY(!menu->isMenuVisible());
    }

    void objectsTakeTouchesOnlyWhileTheirPanelIsZoomed()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *face = f.place(100, 100);
        f.mode().deselectSelectedPanel();

        // In the overview a tap on the object zooms its panel instead.
        f.tap(EditorFixture::centerOnScreen(face));
        QCOMPARE(f.mode().selectedPanel(), panel);
        QVERIFY(!face->isSelected());
        f.tap(EditorFixture::centerOnScreen(face));
        QVERIFY(face->isSelected());

        // Brought back by an undo in the overview, it stays untouchable.
        f.selection().deleteObject();
        EditorFixture::settle(0.5);
        f.mode().deselectSelectedPanel();
        f.editor->undo();
        QCOMPARE(face->superview(), panel);
        QVERIFY(!face->isUserInteractionEnabled());
    }

    void removalLeavesThePictureRowAndAnUndoAlwaysBringsTheObjectBack()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *face = f.place(100, 100);
        face->setTransform(QTransform().rotateRadians(0.3).scale(-1, 1));
        const Geometry before = Geometry::of(face);

        f.selection().deleteObject();
        QCOMPARE(face->alpha(), 0.0);
        Clock::shared().advance(0.2);
        QCOMPARE(face->superview(), panel);
        Clock::shared().advance(0.1);
        QVERIFY(!face->superview());
        QVERIFY(f.stored("SELECT id FROM comicData WHERE id = ?", {face->databaseId()}).isValid());

        // An undo before the shrink has ended wins over it.
        f.editor->undo();
        f.editor->redo();
        Clock::shared().advance(0.1);
        f.editor->undo();
        EditorFixture::settle(1.0);
        QCOMPARE(face->superview(), panel);
        QCOMPARE(Geometry::of(face), before);

        // Freed once no step refers to it: an undone placement when a new
        // step takes its place, a deleted object with the history.
        QPointer<View> undone = f.place(50, 50);
        f.editor->undo();
        f.rows().addSinglePanel();
        QVERIFY(!undone);
        QPointer<View> deleted = face;
        face->select();
        f.selection().deleteObject();
        EditorFixture::settle(0.3);
        f.editor->resetComic();
        QVERIFY(!deleted);
    }
};

QTEST_MAIN(TestComicObject)
#include "tst_comicobject.moc"
