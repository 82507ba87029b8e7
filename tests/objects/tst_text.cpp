// A text object: its size slider, font and colour, typing into it on a
// stage, and where its keyboard toolbar docks.
#include "objects/ComicObjectText.h"
#include "toolkit/AppFonts.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/FractionalSlider.h"
#include "toolkit/KeyboardAccessory.h"
#include "toolkit/Stage.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/TextView.h"

#include <QtTest>

class TestText : public QObject
{
    Q_OBJECT

private slots:
    void theSliderGivesSizesFrom10To100InFractionsAndAFontKeepsTheSize()
    {
        AppFonts::registerBundledFonts();
        ComicObjectText text(QRectF(0, 0, 320, 240));
        QCOMPARE(text.fontColor(), QColor(Qt::black));
        FractionalSlider *slider = text.sizeSlider();
        QCOMPARE(slider->doubleValue(), 22.0);
        slider->setValue(slider->minimum());
        QCOMPARE(text.pointSize(), 10.0);
        slider->setValue(slider->maximum());
        QCOMPARE(text.pointSize(), 100.0);
        slider->setValue(slider->minimum() + (slider->maximum() - slider->minimum()) / 7);
        QCOMPARE(text.pointSize(), slider->doubleValue());
        QVERIFY(text.pointSize() != std::floor(text.pointSize()));
        // A size from elsewhere (a stored text) moves the slider; a font
        // chosen keeps the size.
        text.setPointSize(31.5);
        QCOMPARE(slider->doubleValue(), 31.5);
        QFont chosen("Comic Neue");
        chosen.setPointSizeF(17);
        text.setTextFont(chosen);
        QCOMPARE(text.textView()->font().pointSizeF(), 31.5);
        text.setFontColor(QColor(200, 30, 90));
        QCOMPARE(text.colorBtn()->color(), QColor(200, 30, 90));
        text.setFontColor(QColor()); // no colour changes nothing
        QCOMPARE(text.fontColor(), QColor(200, 30, 90));
    }

    void keysGoIntoTheTextOnlyWhileItIsEditedAndItsToolbarDocksAboveTheKeyboard()
    {
        QWidget window;
        window.resize(320, 480);
        QCOMPARE(KeyboardAccessory::frameIn(&window, 40, QRectF()), QRect(0, 440, 320, 40));
        QCOMPARE(KeyboardAccessory::frameIn(&window, 40, QRectF(0, 264, 320, 216)), QRect(0, 224, 320, 40));
        auto *root = new View(QRectF(0, 0, 320, 480));
        auto *stage = new Stage(root, &window);
        auto *text = new ComicObjectText(QRectF(20, 20, 280, 240));
        root->addSubview(text);

        QTest::keyClicks(stage, "lost"); // nothing is being edited yet
        text->makeEditable();
        QCOMPARE(stage->firstResponder(), text->textView());
        QVERIFY(!text->dragGesture()->isEnabled()); // while editing its own gestures are off
        QTest::keyClicks(stage, "Hello");
        QTest::keyClick(stage, Qt::Key_Return);
        QTest::keyClicks(stage, "there");
        QTest::keyClick(stage, Qt::Key_Backspace);
        // Typed past its bottom, it scrolls to keep the cursor in view.
        TextView *view = text->textView();
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(stage, Qt::Key_Return);
        const QRectF box = view->convertRect(view->bounds(), nullptr);
        QVERIFY(box.contains(view->inputMethodQuery(Qt::ImCursorRectangle).toRectF()));
        text->deselect();
        QCOMPARE(view->contentOffset(), QPointF(0, 0)); // shown from its top again
        QVERIFY(!text->isBeingEdited() && text->dragGesture()->isEnabled());
        QVERIFY(!text->keyboardToolbar()->isVisibleTo(&window));
        QCOMPARE(stage->firstResponder(), nullptr);
        QTest::keyClicks(stage, "!");
        QCOMPARE(text->text(), "Hello\nther" + QString(12, '\n'));
    }
};

QTEST_MAIN(TestText)
#include "tst_text.moc"
