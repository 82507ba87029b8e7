#include "editor/PanelryViewController.h"
#include "support/TestHome.h"
#include "toolkit/Animation.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"
#include "toolkit/UndoManager.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/ButtonWithHint.h"
#include "ui/UIToolbarCustom.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

// What a row is, as the tests see it: its two entries' frames.
QList<QRectF> frames(const PanelryViewController &editor)
{
    QList<QRectF> result;
    for (const ViewPtr &p : editor.panels())
        result << p->frame();
    return result;
}

void tap(PanelryViewController &editor, const QPointF &windowPos)
{
    editor.stage()->dispatcher().touchBegan(1, windowPos);
    editor.stage()->dispatcher().touchEnded(1, windowPos);
}

}

class TestPanels : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> home;
    std::unique_ptr<PanelryViewController> editor;

    void makeEditor(Device::Idiom idiom)
    {
        Device::setIdiom(idiom);
        editor = std::make_unique<PanelryViewController>();
        Animation::finishAll();
    }

private slots:
    void init()
    {
        Clock::shared().setManual(true);
        home = std::make_unique<TestHome>();
        makeEditor(Device::Idiom::Tablet);
    }
    void cleanup()
    {
        editor.reset();
        home.reset();
    }

    void newComicHasThreeDoubleRows()
    {
        QCOMPARE(editor->panels().size(), 6);
        QCOMPARE(editor->numberOfPanels(), 3);
        QCOMPARE(editor->scrollViewPanels()->contentSize(), QSizeF(640, 720));
        QVERIFY(!editor->undoManager()->canUndo());
        QVERIFY(!editor->undoBtn()->isEnabled());
        QVERIFY(!editor->redoBtn()->isEnabled());
        QCOMPARE(editor->undoBtn()->buttonOpacity(), 0.5);
        QVERIFY(editor->removeLastPanelBtn()->isEnabled());
        QVERIFY(!editor->emptyComicMsg()->isVisibleTo(editor.get()));
        QCOMPARE(frames(*editor).mid(4), (QList<QRectF>{QRectF(0, 480, 320, 240), QRectF(320, 480, 320, 240)}));
    }

    void addingASingleRowAppendsAPanelAndAPlaceholder()
    {
        editor->addSinglePanel();
        QCOMPARE(editor->panels().size(), 8);
        QCOMPARE(editor->panels()[6]->frame(), QRectF(0, 720, 640, 240));
        QCOMPARE(editor->panels()[7]->frame(), QRectF(0, 0, 0, 0));
        QCOMPARE(editor->scrollViewPanels()->contentSize(), QSizeF(640, 960));
        QCOMPARE(editor->scrollViewPanels()->contentOffset(), QPointF(0, 240)); // the new row is in sight
        QCOMPARE(editor->undoManager()->undoActionName(), QString("Undo Add Panels"));
        QVERIFY(editor->undoBtn()->isEnabled());
        QCOMPARE(editor->undoBtn()->buttonOpacity(), 1.0);
    }

    void removingEveryRowShowsTheEmptyMessage()
    {
        for (int i = 0; i < 3; ++i)
            editor->removeLastPanel();
        QCOMPARE(editor->numberOfPanels(), 0);
        QVERIFY(editor->panels().isEmpty());
        QVERIFY(!editor->removeLastPanelBtn()->isEnabled());
        QVERIFY(editor->emptyComicMsg()->isVisibleTo(editor.get()));
        const int steps = editor->undoManager()->count();
        editor->removeLastPanel();
        QCOMPARE(editor->undoManager()->count(), steps);
        QCOMPARE(editor->undoManager()->undoActionName(), QString("Undo Remove Panels"));
        editor->undo();
        QVERIFY(editor->removeLastPanelBtn()->isEnabled());
        QVERIFY(!editor->emptyComicMsg()->isVisibleTo(editor.get()));
    }

    void zoomingTheRightPanelOfTheSecondRow()
    {
        View *panel = editor->panels()[3].get();
        editor->scrollViewPanels()->setContentOffset(QPointF(0, 0));
        editor->selectPanel(panel);
        QCOMPARE(editor->selectedPanel(), panel);
        QCOMPARE(panel->transform(), QTransform::fromTranslate(-160, -120).scale(2, 2));
        QCOMPARE(panel->frame(), QRectF(0, 0, 640, 480));
        QCOMPARE(editor->scrollViewPanels()->subviews().last(), panel);
        QVERIFY(!editor->scrollViewPanels()->isScrollEnabled());
        QCOMPARE(editor->scrollViewPanels()->frame(), QRectF(64, 88, 640, 480));
        QCOMPARE(WidgetAnimation::frame(editor->comicToolbar()).x(), -768);
        QCOMPARE(WidgetAnimation::frame(editor->panelToolbar()).x(), 0);
        QCOMPARE(editor->scrollViewFaces()->alpha(), 1.0);
        // A double panel does not scroll sideways.
        QCOMPARE(WidgetAnimation::alpha(editor->panelScrollLeftBtn()), 0.0);
        QCOMPARE(WidgetAnimation::alpha(editor->panelScrollRightBtn()), 0.0);

        editor->deselectPanel();
        QCOMPARE(editor->selectedPanel(), nullptr);
        QCOMPARE(panel->transform(), QTransform());
        QCOMPARE(panel->frame(), QRectF(320, 240, 320, 240));
        QCOMPARE(editor->scrollViewPanels()->frame(), QRectF(64, 88, 640, 720));
        QCOMPARE(WidgetAnimation::frame(editor->comicToolbar()).x(), 0);
        QCOMPARE(WidgetAnimation::frame(editor->panelToolbar()).x(), 768);
        QCOMPARE(editor->scrollViewFaces()->alpha(), 0.0);
        QVERIFY(editor->scrollViewPanels()->isScrollEnabled());
        QCOMPARE(editor->scrollViewPanels()->subviews().last(), panel); // stays in front
    }

    void aZoomedSinglePanelScrollsThroughThreeStops()
    {
        editor->addSinglePanel();
        editor->removeLastPanel();
        editor->removeLastPanel();
        editor->addSinglePanel(); // a single row at y 480
        View *panel = editor->panels()[4].get();
        QCOMPARE(panel->frame(), QRectF(0, 480, 640, 240));
        editor->scrollViewPanels()->setContentOffset(QPointF(0, 240));
        editor->selectPanel(panel);
        QCOMPARE(panel->transform(), QTransform::fromTranslate(320, -120).scale(2, 2));
        QCOMPARE(panel->frame(), QRectF(0, 240, 1280, 480));
        auto left = [&] { return WidgetAnimation::alpha(editor->panelScrollLeftBtn()); };
        auto right = [&] { return WidgetAnimation::alpha(editor->panelScrollRightBtn()); };
        QCOMPARE(left(), 0.0);
        QCOMPARE(right(), 1.0);

        editor->scrollPanelRight();
        QCOMPARE(panel->frame().x(), -320.0);
        QCOMPARE(left(), 1.0);
        QCOMPARE(right(), 1.0);
        editor->scrollPanelRight();
        QCOMPARE(panel->frame().x(), -640.0);
        QCOMPARE(right(), 0.0);
        editor->scrollPanelRight(); // at its stop: nothing moves
        QCOMPARE(panel->frame().x(), -640.0);

        editor->scrollPanelLeft();
        QCOMPARE(panel->frame().x(), -320.0);
        QCOMPARE(right(), 1.0);
        editor->scrollPanelLeft();
        QCOMPARE(panel->frame().x(), 0.0);
        QCOMPARE(left(), 0.0);

        editor->deselectPanel();
        QCOMPARE(left(), 0.0);
        QCOMPARE(right(), 0.0);
    }

    void tapsZoomAPanelAndDoNotLeavePanelMode()
    {
        // The first panel lies at the canvas's top-left, 64 and 88 points in.
        tap(*editor, QPointF(64 + 100, 88 + 100));
        QCOMPARE(editor->selectedPanel(), editor->panels()[0].get());
        tap(*editor, QPointF(64 + 500, 88 + 300));
        QCOMPARE(editor->selectedPanel(), editor->panels()[0].get());
        // Taps during the mode animation are harmless.
        editor->deselectPanel();
        tap(*editor, QPointF(64 + 500, 88 + 100));
        QCOMPARE(editor->selectedPanel(), editor->panels()[1].get());
        Animation::finishAll();
    }

    void phoneShowsTheCanvasAtHalfScale()
    {
        makeEditor(Device::Idiom::Phone);
        ScrollView *canvas = editor->scrollViewPanels();
        QCOMPARE(canvas->transform(), QTransform::fromScale(0.5, 0.5));
        QCOMPARE(canvas->anchorPoint(), QPointF(1, 1));
        QCOMPARE(canvas->frame(), QRectF(0, 70, 320, 360));
        QCOMPARE(canvas->bounds().size(), QSizeF(640, 720));

        tap(*editor, QPointF(250, 70 + 60)); // right panel of the first row
        QCOMPARE(editor->selectedPanel(), editor->panels()[1].get());
        QCOMPARE(canvas->frame(), QRectF(0, 44, 320, 240));
        QCOMPARE(editor->selectedPanel()->frame(), QRectF(0, 0, 640, 480));
        QCOMPARE(WidgetAnimation::frame(editor->comicToolbar()).x(), -320);
        editor->deselectPanel();
        QCOMPARE(canvas->frame(), QRectF(0, 70, 320, 360));
    }

    void clearComicAsksFirst()
    {
        editor->addSinglePanel();
        editor->reset();
        QVERIFY(editor->alert());
        QCOMPARE(editor->alert()->title(), QString("Clear Comic"));
        QCOMPARE(editor->alert()->message(), QString("Are you sure?"));
        QCOMPARE(editor->alert()->buttonTitles(), (QStringList{"Yes", "No"}));
        editor->alert()->clickButtonAtIndex(1);
        QCOMPARE(editor->numberOfPanels(), 4);

        editor->reset();
        editor->alert()->clickButtonAtIndex(0);
        QCOMPARE(editor->numberOfPanels(), 3);
        QVERIFY(!editor->undoManager()->canUndo());
        QVERIFY(!editor->undoBtn()->isEnabled());
        QVERIFY(!editor->redoBtn()->isEnabled());
    }

    void undoingARowAdditionLeavesPanelMode()
    {
        editor->addSinglePanel();
        editor->selectPanel(editor->panels()[0].get());
        editor->undo();
        QCOMPARE(editor->selectedPanel(), nullptr);
        QCOMPARE(editor->numberOfPanels(), 3);
        // The canvas had scrolled to the added row; it shows no empty space
        // once that row is gone.
        QCOMPARE(editor->scrollViewPanels()->contentOffset(), QPointF(0, 0));
        QCOMPARE(editor->undoManager()->redoActionName(), QString("Redo Add Panels"));
        QVERIFY(editor->redoBtn()->isEnabled());
        editor->redo();
        QCOMPARE(editor->numberOfPanels(), 4);
        QCOMPARE(editor->panels()[6]->frame(), QRectF(0, 720, 640, 240));
    }

    void longUndoRedoSequencesKeepThePanelListExact()
    {
        // A random walk of row commands, undos and redos, checked after
        // every step against the lists recorded on the way.
        QRandomGenerator random(20261206);
        QList<QList<View *>> history{{}};
        for (const ViewPtr &p : editor->panels())
            history[0] << p.get();
        int position = 0;
        auto current = [&] {
            QList<View *> list;
            for (const ViewPtr &p : editor->panels())
                list << p.get();
            return list;
        };
        for (int step = 0; step < 400; ++step) {
            const int choice = random.bounded(5);
            if (choice == 0 || choice == 1) {
                choice == 0 ? editor->addSinglePanel() : editor->addDoublePanel();
            } else if (choice == 2) {
                if (editor->numberOfPanels() == 0)
                    continue;
                editor->removeLastPanel();
            } else if (choice == 3) {
                if (position == 0)
                    continue;
                editor->undo();
                --position;
                QCOMPARE(current(), history[position]);
                continue;
            } else {
                if (position + 1 >= history.size())
                    continue;
                editor->redo();
                ++position;
                QCOMPARE(current(), history[position]);
                continue;
            }
            history.resize(++position);
            history << current();
            QCOMPARE(editor->panels().size(), 2 * editor->numberOfPanels());
            QCOMPARE(editor->undoBtn()->isEnabled(), true);
            QCOMPARE(editor->redoBtn()->isEnabled(), false);
        }
        while (editor->undoManager()->canUndo())
            editor->undo();
        QCOMPARE(current(), history[0]);
        QCOMPARE(editor->scrollViewPanels()->subviews().size() >= 6, true);
    }

    void landscapeIsRefused()
    {
        QVERIFY(PanelryViewController::shouldAutorotateToInterfaceOrientation(1));
        QVERIFY(PanelryViewController::shouldAutorotateToInterfaceOrientation(2));
        QVERIFY(!PanelryViewController::shouldAutorotateToInterfaceOrientation(3));
        QVERIFY(!PanelryViewController::shouldAutorotateToInterfaceOrientation(4));
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
