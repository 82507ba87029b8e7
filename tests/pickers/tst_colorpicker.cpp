// The colour picker: where it opens on a colour, the colour under a tap in
// the field and along the strip (white and black included), Done and
// Cancel, and the title by use.
#include "pickers/ColorPickerParts.h"
#include "pickers/ColorPickerView.h"
#include "pickers/ColorPickerViewController.h"
#include "pickers/ColorPickerViewControllerDelegate.h"
#include "toolkit/Clock.h"

#include <QtTest>

namespace {
// Whoever opened the picker: keeps what Done reported.
struct Opener : ColorPickerViewControllerDelegate {
    QList<QColor> chosen;
    void colorPickerViewControllerDidSelectColor(ColorPickerViewController *, const QColor &color) override
    {
        chosen << color;
    }
};

void tap(QWidget *view, const QPointF &at)
{
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at.toPoint());
}

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
}

class TestColorPicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Clock::shared().setManual(true); }

    void itOpensOnTheColourInUseTheStripReachesBlackAndOnlyDoneReports()
    {
        Opener opener;
        ColorPickerViewController red(ColorPickerViewController::BrushColor, Qt::red, &opener);
        QCOMPARE(red.windowTitle(), QString("Brush Color"));
        ColorPickerView *view = red.colorPickerView();
        QCOMPARE(view->crossHairsCenter(), QPointF(11, 120));
        QCOMPARE(view->brightnessBarCenter().x(), 15.0);
        QCOMPARE(view->showColor()->swatchColor(), QColor(Qt::red));
        // A tap beside the field and the strip changes nothing.
        tap(view, QPointF(5, 60));
        tap(view, QPointF(160, 380));
        red.done();
        QCOMPARE(opener.chosen, QList<QColor>{QColor(Qt::red)});

        // The strip's ends: full brightness on the left, black on the right.
        const QRect strip = ColorPickerView::kGradientFrame;
        tap(view, QPointF(160, 200));
        tap(view, QPointF(strip.left(), strip.center().y()));
        QCOMPARE(view->currentBrightness(), 1.0f);
        QCOMPARE(view->brightnessBarCenter().x(), double(strip.left()));
        tap(view, QPointF(strip.right() + 0.9, strip.center().y()));
        red.done();
        QVERIFY(near(opener.chosen.last(), Qt::black, 1));
        // On black, a hue comes at full brightness.
        tap(view, QPointF(160, 121));
        red.done();
        QVERIFY(near(opener.chosen.last(), QColor(0, 255, 255), 3));

        ColorPickerViewController green(ColorPickerViewController::TextColor, QColor(30, 200, 60), &opener);
        QVERIFY(near(green.getSelectedColor(), QColor(30, 200, 60), 1));
        green.cancel();
        QCOMPARE(opener.chosen.size(), 3);
    }

    void aTapInTheFieldChoosesTheColourUnderTheFinger_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::newRow("top left") << QPointF(12, 121);
        QTest::newRow("middle") << QPointF(160, 200);
        QTest::newRow("blue") << QPointF(210, 150);
        QTest::newRow("near white") << QPointF(100, 376);
    }
    void aTapInTheFieldChoosesTheColourUnderTheFinger()
    {
        QFETCH(QPointF, at);
        Opener opener;
        ColorPickerViewController picker(ColorPickerViewController::BrushColor, Qt::red, &opener);
        picker.resize(ColorPickerViewController::kContentSize);
        ColorPickerView *view = picker.colorPickerView();
        const QColor underFinger = view->grab().toImage().pixelColor(at.toPoint());
        tap(view, at);
        QCOMPARE(view->crossHairsCenter(), at);
        picker.done();
        QVERIFY2(near(opener.chosen.last(), underFinger, 4),
                 qPrintable(opener.chosen.last().name() + " under the finger " + underFinger.name()));
    }
};

QTEST_MAIN(TestColorPicker)
#include "tst_colorpicker.moc"
