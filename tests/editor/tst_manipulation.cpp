// The selected object's controls and what they do: where they sit through
// the zoom and the phone's half scale, resizing, rotating, deleting, the
// undo steps of these, and the idle timer.
#include "editor/EditorFixture.h"

#include "objects/ComicObjectText.h"
#include "toolkit/TextView.h"

#include <QtMath>

namespace {
QPointF unrotatedTopLeft(const View *v) { return v->center() - QPointF(v->bounds().width(), v->bounds().height()) / 2; }

// The turn of a view's vertical axis on screen (a flip leaves that axis be).
double screenAngle(const QTransform &t)
{
    const QPointF v = t.map(QPointF(0, 1)) - t.map(QPointF(0, 0));
    return std::atan2(v.y(), v.x());
}

// The centre of the controls overlay, about which the rotate handle turns, in
// window coordinates.
QPointF pivotOnScreen(EditorFixture &f)
{
    View *overlay = f.ui().controlsOverlay;
    return overlay->convertPoint(overlay->bounds().center(), nullptr);
}

// The finger goes round the pivot from the rotate handle, in ten steps.
void turnRotateHandle(EditorFixture &f, double degrees)
{
    const QPointF pivot = pivotOnScreen(f);
    const QLineF arm(pivot, EditorFixture::centerOnScreen(f.controls().rotateHandle));
    QList<QPointF> path;
    for (int i = 1; i <= 10; ++i) {
        QLineF turned = arm;
        turned.setAngle(arm.angle() - degrees * i / 10); // QLineF turns counter-clockwise on screen
        path << turned.p2();
    }
    f.drag(arm.p2(), path);
}
}

class TestManipulation : public QObject
{
    Q_OBJECT

private slots:
    void controlsSitAtTheCornersOfTheRotatedBoxOnScreen_data()
    {
        QTest::addColumn<bool>("tablet");
        QTest::addColumn<double>("scale"); // panel zoom times canvas scale
        QTest::newRow("tablet") << true << 2.0;
        QTest::newRow("phone") << false << 1.0;
    }
    void controlsSitAtTheCornersOfTheRotatedBoxOnScreen()
    {
        QFETCH(bool, tablet);
        QFETCH(double, scale);
        EditorFixture f(tablet ? Device::Idiom::Tablet : Device::Idiom::Phone);
        f.zoom(0);
        ComicObjectImage *object = f.place(600, 300); // 150 x 75 at (0, 0)
        object->setTransform(QTransform().rotate(90));
        f.editor->updateControlsForObject(object);

        // Upright about its centre (75, 37.5) its box is (37.5, -37.5, 75,
        // 150); the overlay lies over the canvas, whose corner is the zoomed
        // panel's.
        QCOMPARE(f.ui().scrollViewPanels->contentOffset(), QPointF(0, 0));
        QCOMPARE(f.ui().controlsOverlay->frame(), f.editor->layout().canvasPanelMode);
        const QRectF box(QPointF(37.5, -37.5) * scale, QSizeF(75, 150) * scale);
        QCOMPARE(f.controls().deleteBtn->frame(), QRectF(box.left(), box.top(), 30, 30));
        QCOMPARE(f.controls().rotateHandle->frame(), QRectF(box.right() - 30, box.top(), 30, 30));
        QCOMPARE(f.controls().resizeHandle->frame(), QRectF(box.right() - 30, box.bottom() - 30, 30, 30));
        QCOMPARE(f.controls().editTextBtn->frame(), QRectF(box.left(), box.bottom() - 30, 30, 30));

        // A tap on a control never reaches the panel or the object.
        f.tap(EditorFixture::centerOnScreen(f.controls().resizeHandle));
        f.tap(EditorFixture::centerOnScreen(f.controls().rotateHandle));
        QVERIFY(object->isSelected());
        QCOMPARE(object->transform(), QTransform().rotate(90)); // not flipped either
        // The overlay's empty area lets a tap through to the panel.
        f.tap(EditorFixture::onScreen(f.mode().selectedPanel(), QPointF(300, 200)));
        QVERIFY(!object->isSelected());
    }

    void resizingKeepsTheRatioWithTheLeadingAxis_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<QPointF>("translation"); // on screen, unrotated
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("width leads") << QTransform() << QPointF(60, 10) << QSizeF(180, 90);
        QTest::newRow("height leads") << QTransform() << QPointF(10, 60) << QSizeF(210, 105);
        QTest::newRow("turned and flipped") << QTransform().rotate(30).scale(-1, 1) << QPointF(60, 10) << QSizeF(180, 90);
        QTest::newRow("20 wide is refused") << QTransform() << QPointF(-260, 0) << QSizeF(150, 75);
        QTest::newRow("30 high is refused") << QTransform() << QPointF(0, -90) << QSizeF(150, 75);
        QTest::newRow("31 high is taken") << QTransform() << QPointF(0, -88) << QSizeF(62, 31);
    }
    void resizingKeepsTheRatioWithTheLeadingAxis()
    {
        QFETCH(QTransform, transform);
        QFETCH(QPointF, translation);
        QFETCH(QSizeF, size);
        EditorFixture f;
        f.zoom(0); // twice as large on screen
        ComicObjectImage *object = f.place(600, 300, QPointF(160, 120));
        object->setTransform(transform);
        f.editor->updateControlsForObject(object);
        const QPointF corner = unrotatedTopLeft(object);
        f.dragHandle(f.controls().resizeHandle, translation);
        QCOMPARE(object->bounds(), QRectF(QPointF(0, 0), size));
        QCOMPARE(unrotatedTopLeft(object), corner);
        QCOMPARE(object->transform(), transform);
        QCOMPARE(object->imageView()->frame(), object->bounds());
        // The controls are back round the box as drawn.
        const QRectF box = f.mode().selectedPanel()->convertRect(object->frame(), f.ui().controlsOverlay);
        QCOMPARE(f.controls().resizeHandle->frame().bottomRight(), box.bottomRight());
    }

    void textResizesFreelyAndWrapsAtItsNewWidth()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        auto *text = new ComicObjectText(QRectF(20, 20, 200, 50));
        text->setText("words enough to wrap");
        text->setDelegate(f.editor.get());
        panel->addSubview(text);
        text->select();
        const QSizeF wrapped = text->textView()->contentSize();
        f.dragHandle(f.controls().resizeHandle, QPointF(-80, -20));
        QCOMPARE(text->bounds().size(), QSizeF(160, 40));
        QVERIFY(text->textView()->contentSize().height() > wrapped.height());
        f.editor->undo();
        QCOMPARE(text->textView()->contentSize(), wrapped);
    }

    void rotationStepsAddUpAFlippedObjectTurnsTheSameWayAndNoSecondFingerTurns()
    {
        double turned[2];
        for (bool flipped : {false, true}) {
            EditorFixture f;
            f.zoom(0);
            ComicObjectImage *object = f.place(300, 300, QPointF(200, 100)); // handle right of the pivot
            if (flipped)
                object->setTransform(QTransform::fromScale(-1, 1));
            const double before = screenAngle(object->transform());
            // The first move begins the gesture; the nine after it turn.
            turnRotateHandle(f, 20);
            turned[flipped] = screenAngle(object->transform()) - before;
            QCOMPARE(object->center(), QPointF(200, 100));
            turnRotateHandle(f, -20);
            QVERIFY(qAbs(screenAngle(object->transform()) - before) < 1e-5);
            if (flipped)
                continue;
            // A second finger turns nothing; a finger over the pivot turns
            // it by no undefined angle.
            const QTransform unturned = object->transform();
            const QPointF at = EditorFixture::centerOnScreen(f.controls().rotateHandle);
            f.touches().touchBegan(1, at);
            f.touches().touchBegan(2, at + QPointF(-100, 0));
            f.touches().touchMoved(1, at + QPointF(40, 40));
            f.touches().touchMoved(1, at + QPointF(80, 80));
            f.touches().touchEnded(2, at + QPointF(-100, 0));
            f.touches().touchEnded(1, at + QPointF(80, 80));
            QCOMPARE(object->transform(), unturned);
            const QPointF pivot = pivotOnScreen(f);
            f.drag(at, {pivot + QPointF(0, -50), pivot, pivot, pivot + QPointF(0, 50)});
            const QTransform t = object->transform();
            for (double v : {t.m11(), t.m12(), t.m21(), t.m22()})
                QVERIFY(std::isfinite(v));
        }
        QVERIFY(qAbs(turned[0] - qDegreesToRadians(18.0)) < 1e-5);
        QVERIFY(qAbs(turned[1] - turned[0]) < 1e-5);
    }

    void undoGoesBackThroughRotateResizeAndDeleteExactly()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *below = f.place(100, 100);
        ComicObjectImage *object = f.place(600, 300, QPointF(130.25, 77.5));
        const Geometry original = Geometry::of(object);
        f.dragHandle(f.controls().resizeHandle, QPointF(60, 10));
        const Geometry resized = Geometry::of(object);
        turnRotateHandle(f, 33);
        f.editor->deselectObject();
        const Geometry rotated = Geometry::of(object);
        object->select();
        f.tap(EditorFixture::centerOnScreen(f.controls().deleteBtn));
        QCOMPARE(f.history().undoActionName(), QString("Undo Delete Image"));
        EditorFixture::settle(0.3);
        QCOMPARE(panel->subviews(), QList<View *>({below}));

        f.editor->undo();
        QCOMPARE(Geometry::of(object), rotated);
        f.editor->redo();
        EditorFixture::settle(0.3);
        QVERIFY(!object->superview());
        f.editor->undo();
        QCOMPARE(Geometry::of(object), rotated);
        QCOMPARE(below->alpha(), 1.0);
        f.editor->undo();
        QCOMPARE(f.history().redoActionName(), QString("Redo Rotate Image"));
        QCOMPARE(Geometry::of(object), resized);
        f.editor->undo();
        QCOMPARE(Geometry::of(object), original);
    }

    void theIdleTimerRestartsAndStopsWhereItShould()
    {
        EditorFixture f;
        f.zoom(0);
        ComicObjectImage *other = f.place(100, 100);
        ComicObjectImage *object = f.place(300, 300, QPointF(200, 100));
        EditorFixture::settle(2.0);
        const QPointF from = EditorFixture::centerOnScreen(object);
        f.drag(from, {from + QPointF(20, 0), from + QPointF(30, 0)}); // each step restarts it
        EditorFixture::settle(2.5);
        QVERIFY(object->isSelected());

        // A resize or rotation in progress holds it off however long it lasts.
        for (View *handle : {f.controls().resizeHandle, f.controls().rotateHandle}) {
            const QPointF at = EditorFixture::centerOnScreen(handle);
            f.touches().touchBegan(1, at);
            f.touches().touchMoved(1, at + QPointF(12, 12));
            f.touches().touchMoved(1, at + QPointF(14, 14));
            EditorFixture::settle(10);
            QVERIFY(object->isSelected());
            f.touches().touchEnded(1, at + QPointF(14, 14));
            EditorFixture::settle(2.9);
            QVERIFY(object->isSelected());
        }
        EditorFixture::settle(0.2);
        QVERIFY(!object->isSelected());
        QCOMPARE(other->alpha(), 1.0);
        QCOMPARE(f.controls().deleteBtn->alpha(), 0.0);

        // Ending the selection stops it: the next one gets its own 3 s.
        object->select();
        EditorFixture::settle(1.0);
        f.editor->deselectObject();
        EditorFixture::settle(1.0);
        object->select();
        EditorFixture::settle(2.5);
        QVERIFY(object->isSelected());
    }
};

QTEST_MAIN(TestManipulation)
#include "tst_manipulation.moc"
