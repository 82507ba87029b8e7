// Random taps, drags, long presses and commands, with time moving on in
// between (often in the middle of an animation): nothing may crash, leak or
// break the editor's invariants.
#include "editor/EditorFixture.h"

#include <QRandomGenerator>

class TestMonkey : public QObject
{
    Q_OBJECT

    void run(Device::Idiom idiom, quint32 seed)
    {
        EditorFixture f(idiom);
        PanelryViewController *editor = f.editor.get();
        QRandomGenerator random(seed);
        const QSize size = editor->size();
        auto somewhere = [&] { return QPointF(random.bounded(size.width()), random.bounded(size.height())); };
        auto nearby = [&](QPointF p) { return p + QPointF(random.bounded(-60, 60), random.bounded(-60, 60)); };
        TouchDispatcher &touch = f.touches();
        PanelRows &rows = f.rows();
        PanelMode &mode = f.mode();
        ObjectSelection &selection = f.selection();
        UndoHistory &history = f.history();
        EditorCommands &commands = f.part<EditorCommands>();
        QImage face(64, 48, QImage::Format_ARGB32);
        face.fill(Qt::blue);

        for (int step = 0; step < 1500; ++step) {
            switch (random.bounded(16)) {
            case 0: case 1: case 2: { // tap
                const QPointF p = somewhere();
                touch.touchBegan(1, p);
                touch.touchEnded(1, p);
                break;
            }
            case 3: case 4: { // drag
                QPointF p = somewhere();
                touch.touchBegan(1, p);
                for (int i = 0; i < 4; ++i)
                    touch.touchMoved(1, p = nearby(p));
                touch.touchEnded(1, p);
                break;
            }
            case 5: { // long press, sometimes with a second finger
                const QPointF p = somewhere();
                touch.touchBegan(1, p);
                if (random.bounded(2))
                    touch.touchBegan(2, nearby(p));
                Clock::shared().advance(random.bounded(1.5));
                touch.touchMoved(1, nearby(p));
                touch.touchEnded(1, p);
                touch.touchEnded(2, p);
                break;
            }
            case 6: { // placed once it is ready
                const int before = history.stack()->index();
                f.placement().addImageToComic(face);
                if (mode.selectedPanel())
                    QVERIFY(QTest::qWaitFor([&] { return history.stack()->index() > before; }));
                break;
            }
            case 7: random.bounded(2) ? rows.addSinglePanel() : rows.addDoublePanel(); break;
            case 8: rows.removeLastPanel(); break;
            case 9: editor->undo(); break;
            case 10: editor->redo(); break;
            case 11: editor->deselectPanel(); break;
            case 12: random.bounded(2) ? mode.scrollPanelLeft() : mode.scrollPanelRight(); break;
            case 13:
                if (EditMenu::sharedMenuController()->isMenuVisible())
                    EditMenu::sharedMenuController()->triggerItem(random.bounded(2) ? "Bring to Front" : "Send to Back");
                else
                    selection.deleteObject();
                break;
            case 14:
                if (random.bounded(20) == 0) {
                    commands.reset();
                    f.transients().alert()->clickButtonAtIndex(random.bounded(2));
                }
                break;
            default: Clock::shared().advance(random.bounded(0.8)); break;
            }
            QCOMPARE(rows.panels().size() % 2, 0);
            QCOMPARE(editor->ui().scrollViewPanels->contentSize().height(), 240.0 * rows.numberOfPanels());
            if (ComicObject *object = selection.selectedComicObject())
                QCOMPARE(object->superview(), mode.selectedPanel());
            QCOMPARE(history.canUndo(), !history.undoActionName().isEmpty());
            QCOMPARE(commands.actions().undo->isEnabled(), history.canUndo());
        }
        touch.cancelAll();
        Clock::shared().advance(5);
        Animation::finishAll();
    }

private slots:
    void tablet()
    {
        for (quint32 seed : {7u, 8u, 9u, 10u})
            run(Device::Idiom::Tablet, seed);
    }
    void phone()
    {
        for (quint32 seed : {11u, 12u, 13u, 14u})
            run(Device::Idiom::Phone, seed);
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
