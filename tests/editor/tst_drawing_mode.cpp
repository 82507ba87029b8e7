// Drawing mode through the editor: a new drawing and the paint tools that
// slide in, strokes under the finger through zoom, rotation, flip and the
// phone's half scale, finishing into the picture row (also on deselecting,
// deleting and undoing, which takes the whole drawing as one step, and a
// save in the middle), rows shared with a copy, and the brush controls with
// nothing to paint on.
#include "editor/EditorFixture.h"

#include "editor/DrawingMode.h"
#include "editor/PaintPalette.h"
#include "objects/ComicObjectDrawing.h"
#include "toolkit/SwatchButton.h"

#include <QSlider>

namespace {
ComicObjectDrawing *addDrawing(EditorFixture &f)
{
    f.actions().addDrawing->trigger();
    return f.selected<ComicObjectDrawing>();
}

double centerX(QWidget *widget) { return QRectF(WidgetAnimation::frame(widget)).center().x(); }
// Where the paint toolbar, the paint toolbox, the panel toolbar and the face
// strip are centred across.
QList<double> toolCenters(const EditorUi &ui)
{
    return {centerX(ui.paintToolbar), centerX(ui.paintToolbox), centerX(ui.panelToolbar), ui.scrollViewFaces->center().x()};
}

// A stroke across the object's middle on screen.
void strokeAcross(EditorFixture &f, View *object)
{
    const QPointF c = EditorFixture::centerOnScreen(object);
    f.drag(c - QPointF(40, 0), {c - QPointF(20, 0), c, c + QPointF(20, 0), c + QPointF(40, 0)});
}

bool isRed(const QColor &c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
}

class TestDrawingMode : public QObject
{
    Q_OBJECT

private slots:
    void aNewDrawingCoversWhatIsOnScreenAndThePaintToolsSlideIn()
    {
        EditorFixture f;
        f.rows().addSinglePanel();
        f.zoom(6);
        f.mode().scrollPanelRight();
        f.mode().scrollPanelRight();
        ComicObjectDrawing *drawing = addDrawing(f);
        QVERIFY(drawing);
        QCOMPARE(drawing->frame(), QRectF(320, 0, 320, 240));
        QCOMPARE(drawing->brushColor(), QColor(Qt::red));
        QCOMPARE(drawing->brushSize(), 2.0);
        QCOMPARE(f.controlAlphas(), (QList<double>{1, 0, 0, 0})); // only its delete button

        const double w = f.editor->layout().window.width();
        QCOMPARE(toolCenters(f.ui()), (QList<double>{w / 2, w / 2, -w / 2, -w / 2}));
        QCOMPARE(f.scrollButtonAlphas(), (QList<double>{0, 0}));

        // Three seconds of nothing do not end drawing mode.
        EditorFixture::settle(4);
        QCOMPARE(f.selected(), drawing);
        f.actions().finishDrawing->trigger();
        QVERIFY(!drawing->isInDrawingMode());
        QCOMPARE(f.controlAlphas(), (QList<double>{1, 1, 1, 1}));
        QCOMPARE(toolCenters(f.ui()), (QList<double>{1.5 * w, 1.5 * w, w / 2, w / 2}));
        QCOMPARE(f.scrollButtonAlphas(), (QList<double>{1, 0})); // the panel shows its right half

        // A half-width panel gets it at x 0.
        f.editor->deselectPanel();
        f.zoom(1);
        QCOMPARE(addDrawing(f)->frame(), QRectF(0, 0, 320, 240));
    }

    void aStrokeLandsUnderTheFinger_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::addColumn<QTransform>("transform");
        const QTransform turnedAndFlipped = QTransform().rotate(35).scale(-1, 1);
        QTest::newRow("tablet") << Device::Idiom::Tablet << QTransform();
        QTest::newRow("tablet, turned and flipped") << Device::Idiom::Tablet << turnedAndFlipped;
        QTest::newRow("phone") << Device::Idiom::Phone << QTransform();
        QTest::newRow("phone, turned and flipped") << Device::Idiom::Phone << turnedAndFlipped;
    }
    void aStrokeLandsUnderTheFinger()
    {
        QFETCH(Device::Idiom, idiom);
        QFETCH(QTransform, transform);
        EditorFixture f(idiom);
        f.zoom(3);
        ComicObjectDrawing *drawing = addDrawing(f);
        f.part<EditorCommands>().paintControls().brushSizeSlider->setValue(8);
        f.actions().finishDrawing->trigger();
        drawing->setTransform(transform);
        emit f.selection().editRequested(drawing);
        QVERIFY(drawing->isInDrawingMode());

        strokeAcross(f, drawing);
        EditorFixture::settle(1);
        const QImage screen = f.ui().stage->grab().toImage();
        const QPointF c = EditorFixture::centerOnScreen(drawing);
        for (const QPointF &p : {c - QPointF(30, 0), c, c + QPointF(30, 0)})
            QVERIFY2(isRed(screen.pixelColor(p.toPoint())), qPrintable(QString("no paint at %1, %2").arg(p.x()).arg(p.y())));
        QVERIFY(!isRed(screen.pixelColor((c + QPointF(0, 25)).toPoint())));
        QVERIFY(!isRed(screen.pixelColor((c - QPointF(60, 0)).toPoint())));
        // The bitmap has one pixel per point of the drawing.
        QCOMPARE(drawing->bitmap().size(), QSize(320, 240));
        const QPointF inBitmap = drawing->pointFromScene(c);
        QVERIFY(isRed(drawing->bitmap().pixelColor(inBitmap.toPoint())));
    }

    void finishingStoresThePictureADragMovesItAndAPaintedCopyGetsItsOwnRow()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *face = f.place(100, 100);
        ComicObjectDrawing *drawing = addDrawing(f);
        QVERIFY(f.storedPicture(drawing->databaseId()).isNull()); // an empty row at first
        const QPointF center = drawing->center();
        strokeAcross(f, drawing);
        QCOMPARE(drawing->center(), center);
        f.actions().finishDrawing->trigger();
        const QImage stored = f.storedPicture(drawing->databaseId());
        QCOMPARE(stored.size(), QSize(320, 240));
        QCOMPARE(stored.pixel(160, 120), drawing->bitmap().pixel(160, 120));
        QVERIFY(qAlpha(stored.pixel(160, 120)) == 255);

        const QPointF from = EditorFixture::centerOnScreen(drawing);
        f.drag(from, {from + QPointF(30, 20), from + QPointF(60, 40)});
        QCOMPARE(drawing->center(), center + QPointF(30, 20));

        // Painted again, the objects above it take no touches until it is
        // finished.
        panel->bringSubviewToFront(face);
        emit f.selection().editRequested(drawing);
        QVERIFY(drawing->isInDrawingMode());
        QVERIFY(!face->isUserInteractionEnabled());
        QCOMPARE(f.controls().deleteBtn->alpha(), 0.0);
        f.actions().finishDrawing->trigger();
        QVERIFY(face->isUserInteractionEnabled());

        // A copy pasted in the same comic carries the same row; painted, it
        // gets a row of its own.
        const int sharedId = drawing->databaseId();
        const QImage originalPicture = f.storedPicture(sharedId);
        drawing->select();
        f.actions().copy->trigger();
        f.actions().paste->trigger();
        auto *copy = qobject_cast<ComicObjectDrawing *>(panel->subviews().last());
        QCOMPARE(copy->databaseId(), sharedId);
        emit f.selection().editRequested(copy);
        f.drag(QPointF(100, 400), {QPointF(200, 420), QPointF(300, 440)});
        f.actions().finishDrawing->trigger();
        QVERIFY(copy->databaseId() > sharedId);
        QCOMPARE(f.storedPicture(sharedId), originalPicture);
        QCOMPARE(f.storedPicture(copy->databaseId()), copy->bitmap().convertToFormat(QImage::Format_ARGB32));
    }

    void endingDrawingModeAnyOtherWayStoresThePictureToo_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("deselect panel") << "deselect panel";
        QTest::newRow("delete") << "delete";
        QTest::newRow("undo") << "undo";
        QTest::newRow("clear comic") << "clear comic";
        QTest::newRow("a save, which keeps it") << "save";
    }
    void endingDrawingModeAnyOtherWayStoresThePictureToo()
    {
        QFETCH(QString, way);
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectDrawing *drawing = addDrawing(f);
        const int id = drawing->databaseId();
        strokeAcross(f, drawing);
        // A tap on the panel changes nothing while drawing.
        f.tap(EditorFixture::onScreen(drawing, QPointF(300, 220)));
        QVERIFY(drawing->isInDrawingMode());

        if (way == "deselect panel")
            f.actions().deselectPanel->trigger();
        else if (way == "delete")
            f.selection().deleteObject();
        else if (way == "undo")
            f.actions().undo->trigger();
        else if (way == "clear comic")
            f.editor->resetComic();
        else
            f.editor->store().saveComicToDevice(ComicStore::SaveKind::Manual);
        const QImage stored = f.storedPicture(id);
        QCOMPARE(stored.size(), QSize(320, 240));
        QCOMPARE(qAlpha(stored.pixel(160, 120)), 255);
        QCOMPARE(WidgetAnimation::frame(f.ui().paintToolbar).x(), way == "save" ? 0 : f.editor->layout().window.width());
        if (way == "undo") { // adding it is one step, whatever was painted
            QVERIFY(!drawing->superview());
            QCOMPARE(f.history().redoActionName(), QString("Redo Add Drawing"));
            f.actions().redo->trigger();
            QCOMPARE(drawing->superview(), panel);
            QVERIFY(!drawing->isInDrawingMode());
            QCOMPARE(qAlpha(drawing->bitmap().pixel(160, 120)), 255);
        }
    }

    void theBrushControlsActOnlyOnADrawing()
    {
        EditorFixture f;
        f.zoom(0);
        const EditorCommands::PaintControls &paint = f.part<EditorCommands>().paintControls();
        DrawingMode &mode = f.part<DrawingMode>();
        ComicObjectImage *face = f.place(100, 100);
        for (int pass = 0; pass < 2; ++pass) { // a picture selected, then nothing
            paint.eraseBtn->click();
            paint.selectPaintColorBtn->click();
            f.ui().paintToolbox->swatches().first()->click();
            paint.brushSizeSlider->setValue(9);
            f.actions().finishDrawing->trigger();
            mode.didSelectPaintColor(Qt::green);
            QVERIFY(!paint.eraseBtn->isChecked());
            QCOMPARE(f.transients().popover(), nullptr);
            QCOMPARE(paint.selectPaintColorBtn->color(), QColor(Qt::red));
            f.editor->deselectObject();
        }
        QVERIFY(face->superview());

        // With a drawing: the eraser, then the colour button leaves it
        // without opening the picker; a swatch leaves it too.
        ComicObjectDrawing *drawing = addDrawing(f);
        QCOMPARE(drawing->brushSize(), 9.0);
        paint.brushSizeSlider->setValue(4); // while painting, at once
        QCOMPARE(drawing->brushSize(), 4.0);
        paint.eraseBtn->click();
        QVERIFY(drawing->erase());
        QVERIFY(paint.eraseBtn->isChecked());
        paint.selectPaintColorBtn->click();
        QVERIFY(!drawing->erase());
        QVERIFY(!paint.eraseBtn->isChecked());
        QCOMPARE(f.transients().popover(), nullptr);
        paint.eraseBtn->click();
        SwatchButton *blue = f.ui().paintToolbox->swatches().at(9);
        blue->click();
        QVERIFY(!drawing->erase());
        QCOMPARE(drawing->brushColor(), blue->color());
        QCOMPARE(paint.selectPaintColorBtn->color(), blue->color());
        // Now the colour button opens the brush's colour picker.
        paint.selectPaintColorBtn->click();
        QVERIFY(f.transients().popover());
    }
};

QTEST_MAIN(TestDrawingMode)
#include "tst_drawing_mode.moc"
