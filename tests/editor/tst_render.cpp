// The comic as one picture: its size, every panel's edge and the frame
// along the picture's edges read pixel by pixel, objects cut at their
// panel's edge, every kind painted from the recording as from the views
// (also once the views are gone), and the editor's view as it was; "Save
// to Library" writing it into the album as the user asks for it, a new
// file every time.
#include "editor/EditorFixture.h"

#include "editor/ComicPicture.h"
#include "objects/ComicObjectText.h"
#include "support/Widgets.h"
#include "ui/ButtonWithActivityIndicator.h"

namespace {
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kObject = QColor(Qt::darkCyan).rgb();

// The pixels along a line of the picture, from `from` by `step`.
QList<QRgb> pixels(const QImage &image, QPoint from, QPoint step, int count)
{
    QList<QRgb> line;
    for (int i = 0; i < count; ++i, from += step)
        line << image.pixel(from);
    return line;
}
}

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void theComicIsOnePictureOfItsRowsWithTheirEdgesInAFrame_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::addColumn<int>("rows");
        for (auto [idiom, name] : {std::pair{Device::Idiom::Phone, "phone"}, {Device::Idiom::Tablet, "tablet"}}) {
            QTest::addRow("%s, one row", name) << idiom << 1;
            QTest::addRow("%s, four rows", name) << idiom << 4;
        }
    }
    void theComicIsOnePictureOfItsRowsWithTheirEdgesInAFrame()
    {
        QFETCH(Device::Idiom, idiom);
        QFETCH(int, rows);
        EditorFixture f(idiom);
        f.setRows(rows); // four: the last row is one panel
        // A drawing and a text turned and flipped in the first row's right
        // panel, and a picture reaching across the divider into the panel
        // painted before, selected in its zoomed panel.
        const QTransform turnedAndFlipped = QTransform().rotate(20).scale(-1, 1);
        const QPointF from = EditorFixture::onScreen(f.zoom(1), QPointF(40, 150));
        f.actions().addDrawing->trigger();
        f.drag(from, {from + QPointF(200, 40)});
        f.actions().finishDrawing->trigger();
        f.selected()->setTransform(turnedAndFlipped);
        f.actions().addText->trigger();
        f.selected<ComicObjectText>()->setText("Rage שלום\nmore rage"); // right to left, another font
        f.selected()->setTransform(turnedAndFlipped);
        QVERIFY(f.place(150, 150, QPointF(20, 120)));

        const QImage image = f.editor->generateComic().toImage();
        EditorFixture::settle(1);
        QCOMPARE(f.mode().selectedPanel(), nullptr);
        QCOMPARE(f.selected(), nullptr);
        QCOMPARE(image.size(), QSize(640, 240 * rows));
        // The frame: two pixels on each side, also over a panel's edge.
        const int bottom = 240 * rows - 1;
        QCOMPARE(pixels(image, {100, 0}, {0, 1}, 3), (QList<QRgb>{kBlack, kBlack, kWhite}));
        QCOMPARE(pixels(image, {100, bottom}, {0, -1}, 3), (QList<QRgb>{kBlack, kBlack, kWhite}));
        QCOMPARE(pixels(image, {0, 100}, {1, 0}, 3), (QList<QRgb>{kBlack, kBlack, kWhite}));
        QCOMPARE(pixels(image, {639, bottom - 100}, {-1, 0}, 3), (QList<QRgb>{kBlack, kBlack, kWhite}));
        // The divider: the two panels' edges side by side; the picture is
        // cut there, at its own panel's edge.
        QCOMPARE(pixels(image, {317, 200}, {1, 0}, 6), (QList<QRgb>{kWhite, kWhite, kBlack, kBlack, kWhite, kWhite}));
        QCOMPARE(pixels(image, {317, 120}, {1, 0}, 6), (QList<QRgb>{kWhite, kWhite, kBlack, kBlack, kObject, kObject}));
        if (rows == 4) {
            // Between two rows, and the single last row without a divider.
            QCOMPARE(pixels(image, {100, 237}, {0, 1}, 6), (QList<QRgb>{kWhite, kWhite, kBlack, kBlack, kWhite, kWhite}));
            QCOMPARE(pixels(image, {318, 840}, {1, 0}, 4), QList<QRgb>(4, kWhite));
        }
        QImage direct(image.size(), QImage::Format_RGB32);
        direct.fill(Qt::white);
        ComicPicture::paintComic(&direct, f.rows().panels(), rows);
        QCOMPARE(image, direct);
        // Made again in the overview, scrolled: the same picture (no
        // selection marks in the first), and the editor shows what it showed.
        ScrollView *canvas = f.ui().scrollViewPanels;
        canvas->setContentOffset(QPointF(0, 240 * (rows - 1)));
        const QRectF frame = canvas->frame();
        const PaintRecording again = f.editor->generateComic();
        QCOMPARE(canvas->contentOffset(), QPointF(0, 240 * (rows - 1)));
        QCOMPARE(canvas->frame(), frame);
        QCOMPARE(canvas->borderWidth(), 0.0);
        // Painted after its rows and objects are gone for good: the comic
        // as it was.
        f.setRows(0);
        f.history().stack()->clear();
        QCOMPARE(again.toImage(), image);
    }

    void saveToLibraryWritesANewPictureEveryTimeOrSaysWhyNot_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<int>("files");
        // Panels without objects are a comic too.
        QTest::newRow("empty panels") << 3 << "Comic saved to library" << 2;
        QTest::newRow("no rows") << 0 << "Nothing to save" << 0;
        QTest::newRow("taller than one picture") << 137 << "Comic could not be saved" << 0;
    }
    void saveToLibraryWritesANewPictureEveryTimeOrSaysWhyNot()
    {
        QFETCH(int, rows);
        QFETCH(QString, banner);
        QFETCH(int, files);
        EditorFixture f;
        QWindow *window = f.showActive();
        QVERIFY(window);
        f.setRows(rows);
        f.ui().comicTitle->setText("Ours: 1/2");
        ButtonWithActivityIndicator *more = f.part<EditorCommands>().uploadBtn();
        Banners banners;
        // With its key, then from the "More..." sheet.
        QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(more->isShowingIndicator(), files > 0);
        QTRY_COMPARE(banners.shown, QStringList{banner});
        QTest::mouseClick(more->button(), Qt::LeftButton);
        QTest::mouseClick(buttonTitled(f.editor.get(), "Save to Library"), Qt::LeftButton);
        QTRY_COMPARE(banners.shown, QStringList(2, banner));
        QVERIFY(!more->isShowingIndicator());

        const QDir album(f.home.path() + "/Pictures/Panelry");
        const QStringList written = album.entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(written.size(), files);
        for (const QString &name : written) {
            QVERIFY2(name.startsWith("Ours_ 1_2 20") && name.endsWith(".png"), qPrintable(name));
            QCOMPARE(QImage(album.filePath(name)).size(), QSize(640, 240 * rows));
        }
    }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
