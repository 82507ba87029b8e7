// A drawing's bitmap: strokes painted and erased, the rescale after a
// resize, the cap on huge drawings and the brush a decoded drawing lacks.
#include "objects/ComicObjectDrawing.h"

#include <QtTest>

namespace {
// A drawing in drawing mode at the scene's origin, with a brush.
std::unique_ptr<ComicObjectDrawing> drawing(const QSizeF &size, const QColor &color, double brush)
{
    auto d = std::make_unique<ComicObjectDrawing>(QRectF(QPointF(0, 0), size));
    d->setBrushColor(color);
    d->setBrushSize(brush);
    return d;
}

// One finger from `from` through `to`, in the drawing's (= the scene's)
// points.
void stroke(ComicObjectDrawing &d, const QPointF &from, const QPointF &to, int id = 1)
{
    d.touchesBegan({{id, from}});
    d.touchesMoved({{id, to}});
    d.touchesEnded({{id, to}});
}

int alphaAt(const ComicObjectDrawing &d, int x, int y) { return qAlpha(d.bitmap().pixel(x, y)); }
}

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    // A decoded drawing has no brush colour until one is chosen: nothing is
    // painted, as nothing is by a finger that does not move.
    void aStrokeIsPaintedAndTheEraserClearsItAlone()
    {
        auto d = drawing(QSizeF(320, 240), QColor(), 10);
        stroke(*d, QPointF(20, 100), QPointF(200, 100));
        QVERIFY(d->bitmap().isNull()); // nothing before the first stroke
        d->setBrushColor(Qt::red);
        stroke(*d, QPointF(50, 50), QPointF(50, 50));
        QCOMPARE(alphaAt(*d, 50, 50), 0);
        stroke(*d, QPointF(20, 100), QPointF(200, 100));
        QCOMPARE(d->bitmap().size(), QSize(320, 240));
        QCOMPARE(QColor(d->bitmap().pixel(100, 100)), QColor(Qt::red));
        QCOMPARE(alphaAt(*d, 100, 96), 255);   // within the 10-point width
        QCOMPARE(alphaAt(*d, 100, 110), 0);    // beyond it
        QCOMPARE(alphaAt(*d, 203, 100), 255);  // the rounded end
        QCOMPARE(alphaAt(*d, 204, 96), 0);  // where a square end would paint

        // A 2-point eraser across the line clears a 2-point gap and leaves
        // the transparent pixels around as they were.
        const QImage before = d->bitmap();
        d->setErase(true);
        d->setBrushSize(2);
        stroke(*d, QPointF(100, 60), QPointF(100, 140));
        QCOMPARE(alphaAt(*d, 100, 100), 0);
        QCOMPARE(alphaAt(*d, 100, 60), 0);
        QCOMPARE(alphaAt(*d, 97, 100), 255);
        QCOMPARE(alphaAt(*d, 103, 100), 255);
        for (int y = 50; y < 150; ++y)
            for (int x : {90, 95, 105, 110})
                QCOMPARE(d->bitmap().pixel(x, y), before.pixel(x, y));
        // Out of drawing mode a finger paints nothing.
        d->setInDrawingMode(false);
        stroke(*d, QPointF(60, 20), QPointF(60, 80));
        QCOMPARE(alphaAt(*d, 60, 50), 0);
    }

    void theFirstSegmentAfterAResizeScalesTheOldPicture()
    {
        auto d = drawing(QSizeF(200, 100), Qt::black, 4);
        stroke(*d, QPointF(0, 50), QPointF(200, 50));
        d->setBounds(QRectF(0, 0, 400, 200));
        QCOMPARE(d->bitmap().size(), QSize(200, 100)); // until the next stroke
        QCOMPARE(d->imageView()->frame(), QRectF(0, 0, 400, 200));
        stroke(*d, QPointF(200, 10), QPointF(200, 20));
        QCOMPARE(d->bitmap().size(), QSize(400, 200));
        // The old line, twice as thick, now along y 100.
        QCOMPARE(alphaAt(*d, 300, 100), 255);
        QCOMPARE(alphaAt(*d, 300, 97), 255);
        QCOMPARE(alphaAt(*d, 300, 50), 0);
    }

    void aHugeDrawingKeepsItsSizeButNotAHugeBitmap()
    {
        auto d = drawing(QSizeF(100000, 80000), Qt::green, 2000);
        stroke(*d, QPointF(0, 40000), QPointF(100000, 40000));
        QCOMPARE(d->bounds().size(), QSizeF(100000, 80000));
        const QSize bitmap = d->bitmap().size();
        QVERIFY(bitmap.width() <= ComicObjectDrawing::kMaxBitmapSide);
        QVERIFY(double(bitmap.width()) * bitmap.height() <= ComicObjectDrawing::kMaxBitmapPixels * 1.01);
        // The same picture, at a coarser grain: the stroke across the middle.
        QCOMPARE(alphaAt(*d, bitmap.width() / 2, bitmap.height() / 2), 255);
        QCOMPARE(alphaAt(*d, bitmap.width() / 2, bitmap.height() / 8), 0);
        QCOMPARE(ComicObjectDrawing::bitmapSizeFor(QSizeF(-5, qQNaN())), QSize(1, 1));
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
