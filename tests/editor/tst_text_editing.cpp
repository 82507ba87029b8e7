// Text editing through the editor: a new text typed at once (the keys that
// edit it are its own, ahead of the window's shortcuts), the keyboard
// toolbar and the phone's raised panel area, the font and colour pickers
// opened from the toolbar, empty texts, what a mode change leaves of the
// text, and the undo step of a new text.
#include "editor/EditorFixture.h"

#include "editor/TextEditing.h"
#include "objects/ComicObjectText.h"
#include "pickers/ColorPickerView.h"
#include "pickers/ColorPickerViewController.h"
#include "pickers/FontBrowser.h"
#include "toolkit/AppFonts.h"
#include "toolkit/FractionalSlider.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/Popover.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/TextView.h"

#include <QClipboard>

namespace {
ComicObjectText *addText(EditorFixture &f)
{
    f.actions().addText->trigger();
    return f.selected<ComicObjectText>();
}

// The screen in the popover on screen (a tablet's).
template <typename Screen>
Screen *screenInPopover(EditorFixture &f)
{
    auto *popover = qobject_cast<Popover *>(f.transients().popover());
    return popover ? qobject_cast<Screen *>(popover->container()->screen()) : nullptr;
}
}

class TestTextEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppFonts::registerBundledFonts(); }

    void aNewTextIsTypedIntoAtOnce_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::newRow("tablet") << Device::Idiom::Tablet;
        QTest::newRow("phone") << Device::Idiom::Phone;
    }
    void aNewTextIsTypedIntoAtOnce()
    {
        QFETCH(Device::Idiom, idiom);
        EditorFixture f(idiom);
        f.zoom(1);
        const QRectF panelArea = f.ui().scrollViewPanels->frame();
        ComicObjectText *text = addText(f);
        QVERIFY(text);
        QCOMPARE(text->frame(), QRectF(0, 0, 320, 240));
        QCOMPARE(f.controlAlphas(), (QList<double>{0, 0, 0, 0}));
        // The keyboard toolbar across the window's bottom.
        const QSize windowSize = f.editor->layout().window;
        QCOMPARE(text->keyboardToolbar()->geometry(), QRect(0, windowSize.height() - 40, windowSize.width(), 40));
        // On a phone the panel goes up out of the keyboard's way.
        const bool phone = idiom == Device::Idiom::Phone;
        QCOMPARE(f.ui().scrollViewPanels->frame().topLeft(), phone ? QPointF(0, 0) : panelArea.topLeft());
        QCOMPARE(f.ui().controlsOverlay->frame().y(), phone ? 0.0 : panelArea.y());
        // The main toolbar's buttons would lie over the raised panel.
        QCOMPARE(WidgetAnimation::alpha(f.ui().appToolbar), phone ? 0.0 : 1.0);

        // Typed into the window, whose shortcuts see each key first: the
        // keys that edit text are the text's own.
        QWindow *window = f.showActive();
        QVERIFY(window);
        const auto type = [window](const QByteArray &characters) {
            for (char c : characters)
                QTest::keyClick(window, c);
        };
        type("Twi");
        f.type({Qt::Key_Backspace});
        type("o");
        f.type({Qt::Key_Return});
        type("linnes");
        f.type({Qt::Key_Left, Qt::Key_Left, Qt::Key_Backspace});
        QCOMPARE(text->text(), QString("Two\nlines"));
        f.type({Qt::Key_Home, Qt::Key_Delete, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
        QCOMPARE(text->text(), QString("Two\nines"));
        f.type({Qt::CTRL | Qt::Key_Z, Qt::Key_Up, Qt::Key_End, Qt::SHIFT | Qt::Key_Left, Qt::CTRL | Qt::Key_X,
               Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_V});
        QCOMPARE(text->text(), QString("Twoo\nlines"));
        f.type({Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C});
        QCOMPARE(QGuiApplication::clipboard()->text(), text->text());
        QCOMPARE(f.history().undoActionName(), QString("Undo Add Text"));
        EditorFixture::settle(5); // no idle deselection while typing
        QCOMPARE(f.selected(), text);

        text->doneBtn()->click();
        QVERIFY(!text->isBeingEdited());
        QCOMPARE(f.selected(), text);
        QCOMPARE(f.controlAlphas(), (QList<double>{1, 1, 1, 1}));
        QCOMPARE(f.ui().scrollViewPanels->frame(), panelArea);
        QCOMPARE(WidgetAnimation::alpha(f.ui().appToolbar), 1.0);

        // The edit button types into it again; done, Backspace deletes it.
        emit f.selection().editRequested(text);
        type("!");
        QCOMPARE(text->text(), QString("Twoo\nlines!"));
        // Typed past its bottom, it scrolls to keep the cursor in view; done,
        // it shows from its top again.
        f.type(QList<QKeyCombination>(12, Qt::Key_Return));
        TextView *view = text->textView();
        QVERIFY(view->convertRect(view->bounds(), nullptr).contains(view->inputMethodQuery(Qt::ImCursorRectangle).toRectF()));
        text->doneBtn()->click();
        QCOMPARE(view->contentOffset(), QPointF(0, 0));
        f.type({Qt::Key_Backspace});
        QCOMPARE(f.history().undoActionName(), QString("Undo Delete Text"));
    }

    void theToolbarsPickersChangeTheTextBeingTyped()
    {
        EditorFixture f;
        f.editor->show();
        f.zoom(0);
        ComicObjectText *text = addText(f);
        text->sizeSlider()->setDoubleValue(40.5);
        text->changeFontSize(40.5);

        // Chosen by keyboard: the list has it, on the first family's name;
        // the first style below it is the first font.
        text->fontBtn()->click();
        auto *browser = screenInPopover<FontBrowser>(f);
        QVERIFY(browser);
        const QStringList families = browser->familyNames();
        QVERIFY(std::is_sorted(families.begin(), families.end()) && families.contains("Comic Neue")); // the bundled font
        f.type({Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(text->fontFamily(), families.first());
        QCOMPARE(text->pointSize(), 40.5);
        QCOMPARE(f.transients().popover(), nullptr);
        QVERIFY(text->isBeingEdited());
        // The keys are the text's again.
        f.type({Qt::Key_A});
        QCOMPARE(text->text(), QString("a"));

        text->colorBtn()->click();
        auto *picker = screenInPopover<ColorPickerViewController>(f);
        QVERIFY(picker);
        QCOMPARE(picker->windowTitle(), QString("Text Color"));
        QTest::mouseClick(picker->colorPickerView(), Qt::LeftButton, Qt::NoModifier, QPoint(210, 130));
        const QColor chosen = picker->getSelectedColor();
        QVERIFY(chosen != QColor(Qt::black));
        picker->done();
        QCOMPARE(text->fontColor(), chosen);
        QCOMPARE(text->colorBtn()->color(), chosen);
        QCOMPARE(f.transients().popover(), nullptr);

        // Their answers do nothing once the text is not the selection.
        ComicObjectImage *face = f.place(100, 100);
        f.part<TextEditing>().fontBrowserDidSelectFont(nullptr, QFont(families.last()));
        QCOMPARE(text->fontFamily(), families.first());
        QVERIFY(face->superview());
    }

    void noUndoOrRedoEverShowsAnEmptyText()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *face = f.place(100, 100);
        // A new text left empty goes with its step, as if never added;
        // undone while it is typed, that is all the undo takes.
        for (bool byUndo : {false, true}) {
            QPointer<ComicObjectText> text = addText(f);
            QTest::keyClicks(f.ui().stage, "  ");
            byUndo ? f.actions().undo->trigger() : text->doneBtn()->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!text);
            QCOMPARE(f.history().undoActionName(), QString("Undo Add Image"));
            QVERIFY(!f.history().canRedo());
        }
        // One that had words and was emptied comes back with them.
        ComicObjectText *said = addText(f);
        QTest::keyClicks(f.ui().stage, "Hi");
        said->doneBtn()->click();
        emit f.selection().editRequested(said);
        QTest::keyClick(f.ui().stage, Qt::Key_Backspace);
        QTest::keyClick(f.ui().stage, Qt::Key_Backspace);
        said->doneBtn()->click();
        QCOMPARE(panel->subviews(), QList<View *>{face});
        QCOMPARE(f.history().undoActionName(), QString("Undo Delete Text"));
        f.actions().undo->trigger();
        QCOMPARE(said->superview(), panel);
        QCOMPARE(said->text(), QString("Hi"));
        f.actions().undo->trigger();
        f.actions().redo->trigger();
        QCOMPARE(said->text(), QString("Hi"));
    }

    void aModeChangeEndsTheTypingAndKeepsTheText_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::newRow("deselect panel") << "deselect panel" << Device::Idiom::Phone;
        QTest::newRow("add image") << "add image" << Device::Idiom::Tablet;
        QTest::newRow("category") << "category" << Device::Idiom::Tablet;
        QTest::newRow("undo") << "undo" << Device::Idiom::Phone;
    }
    void aModeChangeEndsTheTypingAndKeepsTheText()
    {
        QFETCH(QString, change);
        QFETCH(Device::Idiom, idiom);
        EditorFixture f(idiom);
        View *panel = f.zoom(0);
        ComicObjectText *text = addText(f);
        QTest::keyClicks(f.ui().stage, "kept");
        if (change == "deselect panel")
            f.actions().deselectPanel->trigger();
        else if (change == "add image")
            f.actions().addImage->trigger();
        else if (change == "category")
            f.actions().selectRageCategory->trigger();
        else
            f.actions().undo->trigger();
        EditorFixture::settle(1);
        QVERIFY(!text->isBeingEdited());
        QCOMPARE(text->text(), QString("kept"));
        QVERIFY(!text->keyboardToolbar()->isVisibleTo(f.editor.get()));
        QCOMPARE(f.ui().stage->firstResponder(), nullptr);
        const QRectF expected = f.mode().selectedPanel() ? f.editor->layout().canvasPanelMode : f.editor->layout().canvasOverview;
        QCOMPARE(f.ui().scrollViewPanels->frame(), expected);
        if (change == "undo") {
            QVERIFY(!text->superview());
            f.actions().redo->trigger();
        }
        QCOMPARE(text->superview(), panel);
        QCOMPARE(text->text(), QString("kept"));
        // What the command opened stays open.
        if (idiom == Device::Idiom::Tablet)
            QVERIFY(f.transients().popover());
        f.transients().dismissAll();
    }
};

QTEST_MAIN(TestTextEditing)
#include "tst_text_editing.moc"
