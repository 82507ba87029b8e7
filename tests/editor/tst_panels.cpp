// Rows on the canvas and the two modes: adding and removing rows with their
// undo steps (long random sequences are the monkey test's), the canvas's
// content size, zooming a panel and the sideways scroll of a zoomed single
// panel, "Clear Comic", the banner that names an undone step and the start
// hint; help, from its title item and F1.
#include "editor/EditorFixture.h"
#include "support/Widgets.h"

#include "objects/ComicObjectText.h"
#include "toolkit/ModalScreen.h"
#include "pickers/HelpViewController.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/Popover.h"
#include "toolkit/Screen.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {
QList<QRectF> frames(const PanelRows &rows)
{
    QList<QRectF> result;
    for (View *p : rows.panels())
        result << p->frame();
    return result;
}

int toolbarX(QWidget *toolbar) { return WidgetAnimation::frame(toolbar).x(); }

// Each banner shown while it lives, with its duration and style.
struct ShownBanners : QStringList {
    QMetaObject::Connection connection = QObject::connect(
        NotificationManager::sharedManager(), &NotificationManager::notificationShown, [this](Notification *n) {
            append(QString("%1 (%2 s, style %3)").arg(n->text()).arg(n->duration()).arg(n->style()));
        });
    ~ShownBanners() { QObject::disconnect(connection); }
};

// What is open or edited, from the top down.
QStringList openOrEdited(const EditorFixture &f)
{
    QStringList open;
    if (f.transients().actionSheet())
        open << "sheet";
    if (f.transients().popover())
        open << "popover";
    if (ModalScreen *screen = f.editor->findChild<ModalScreen *>(); screen && !screen->isDismissing())
        open << "screen";
    if (f.ui().comicTitle->hasFocus())
        open << "title";
    ComicObject *selected = f.selected();
    if (selected && selected->isInDrawingMode())
        open << "painting";
    if (auto *text = qobject_cast<ComicObjectText *>(selected); text && text->isBeingEdited())
        open << "typing";
    if (selected)
        open << "selected";
    if (f.mode().selectedPanel())
        open << "zoomed";
    return open;
}

// The desktop's mail program, as far as the application can tell.
class MailProgram : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> mails;
    Q_INVOKABLE void compose(const QUrl &url) { mails << url; }
};
}

class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void rowsComeAndGoAsStepsAndTheCanvasIsAsTallAsThey()
    {
        EditorFixture f;
        ScrollView *canvas = f.ui().scrollViewPanels;
        QCOMPARE(frames(f.rows()).mid(4), (QList<QRectF>{QRectF(0, 480, 320, 240), QRectF(320, 480, 320, 240)}));
        QCOMPARE(canvas->contentSize(), QSizeF(640, 720));
        QVERIFY(!f.actions().undo->isEnabled() && !f.actions().redo->isEnabled());

        f.actions().addSinglePanel->trigger();
        const QList<QRectF> singleRow{QRectF(0, 720, 640, 240), QRectF()}; // a panel and a placeholder
        QCOMPARE(frames(f.rows()).mid(6), singleRow);
        QCOMPARE(canvas->contentSize(), QSizeF(640, 960));
        QCOMPARE(canvas->contentOffset(), QPointF(0, 240)); // scrolled into sight
        QCOMPARE(f.history().undoActionName(), QString("Undo Add Panels"));

        // Undone in panel mode: back to the overview, with no empty space
        // where the row was.
        f.zoom(0);
        f.editor->undo();
        QCOMPARE(f.mode().selectedPanel(), nullptr);
        QCOMPARE(f.rows().numberOfPanels(), 3);
        QCOMPARE(canvas->contentOffset(), QPointF(0, 0));
        QCOMPARE(f.history().redoActionName(), QString("Redo Add Panels"));
        QVERIFY(f.actions().redo->isEnabled());
        f.editor->redo();
        QCOMPARE(frames(f.rows()).mid(6), singleRow);

        // Every row removed, one step each: an empty comic says how to go on.
        for (int rows = 4; rows > 0; --rows)
            f.rows().removeLastPanel();
        QCOMPARE(canvas->contentSize(), QSizeF(640, 0));
        QVERIFY(!f.actions().removeLastPanel->isEnabled());
        QVERIFY(f.ui().emptyComicMsg->isVisibleTo(f.editor.get()));
        const int steps = f.history().stack()->count();
        f.rows().removeLastPanel(); // nothing left: no step
        QCOMPARE(f.history().stack()->count(), steps);
        f.editor->undo();
        QCOMPARE(canvas->contentSize(), QSizeF(640, 240));
        QVERIFY(f.actions().removeLastPanel->isEnabled());
        QVERIFY(!f.ui().emptyComicMsg->isVisibleTo(f.editor.get()));
    }

    void bannersGiveTheStartHintOnceAndNameEachUndoneStep()
    {
        ShownBanners shown;
        EditorFixture f;
        Screen::setMainWindow(f.editor.get());
        f.editor->show();
        QVERIFY(shown.isEmpty()); // once the first frame is on the screen
        QTRY_COMPARE(shown, QStringList{"Tap a panel to begin (2 s, style 6)"});
        f.editor->viewDidAppear(true);
        EditorFixture::settle(3);
        f.editor->undo(); // nothing to undo: nothing to say
        f.rows().addSinglePanel();
        f.actions().undo->trigger();
        f.actions().redo->trigger();
        QCOMPARE(shown.mid(1), (QStringList{"Undo Add Panels (0.75 s, style 6)", "Redo Add Panels (0.75 s, style 6)"}));
    }

    void aTapZoomsTheRightPanelOfTheSecondRow()
    {
        EditorFixture f;
        View *panel = f.panel(3);
        ScrollView *canvas = f.ui().scrollViewPanels;
        canvas->setContentOffset(QPointF(0, 0));
        f.tap(QPointF(64 + 500, 88 + 300)); // the canvas lies 64 and 88 points in
        QCOMPARE(f.mode().selectedPanel(), panel);
        QCOMPARE(panel->transform(), QTransform::fromTranslate(-160, -120).scale(2, 2));
        QVERIFY(!canvas->isScrollEnabled());
        QCOMPARE(toolbarX(f.ui().panelToolbar), 0);
        QCOMPARE(f.ui().scrollViewFaces->alpha(), 1.0);
        QCOMPARE(f.scrollButtonAlphas(), (QList<double>{0, 0})); // a double panel does not scroll sideways
        f.tap(QPointF(64 + 100, 88 + 100)); // still in panel mode
        QCOMPARE(f.mode().selectedPanel(), panel);

        f.actions().deselectPanel->trigger();
        QCOMPARE(f.mode().selectedPanel(), nullptr);
        QCOMPARE(panel->frame(), QRectF(320, 240, 320, 240));
        QCOMPARE(toolbarX(f.ui().comicToolbar), 0);
        QCOMPARE(f.ui().scrollViewFaces->alpha(), 0.0);
        QVERIFY(canvas->isScrollEnabled());
        QCOMPARE(canvas->subviews().last(), panel); // stays in front
        // Taps during the mode animation are harmless.
        f.tap(QPointF(64 + 500, 88 + 100));
        QCOMPARE(f.mode().selectedPanel(), f.panel(1));
        Animation::finishAll();
    }

    void aZoomedSinglePanelScrollsThroughThreeStops()
    {
        EditorFixture f;
        f.rows().removeLastPanel();
        f.rows().addSinglePanel(); // a single row at y 480
        View *panel = f.panel(4);
        f.ui().scrollViewPanels->setContentOffset(QPointF(0, 240));
        f.editor->selectPanel(panel);
        QCOMPARE(panel->transform(), QTransform::fromTranslate(320, -120).scale(2, 2));
        QCOMPARE(panel->frame(), QRectF(0, 240, 1280, 480));
        // Where the panel is and the alphas of the two scroll buttons.
        auto state = [&] { return QList<double>{panel->frame().x()} + f.scrollButtonAlphas(); };
        QCOMPARE(state(), (QList<double>{0, 0, 1}));
        f.ui().panelScrollRightBtn->click();
        QCOMPARE(state(), (QList<double>{-320, 1, 1}));
        f.mode().scrollPanelRight();
        QCOMPARE(state(), (QList<double>{-640, 1, 0}));
        f.mode().scrollPanelRight(); // at its stop: nothing moves
        QCOMPARE(state(), (QList<double>{-640, 1, 0}));
        f.mode().scrollPanelLeft();
        QCOMPARE(state(), (QList<double>{-320, 1, 1}));
        f.mode().scrollPanelLeft();
        QCOMPARE(state(), (QList<double>{0, 0, 1}));
        f.editor->deselectPanel();
        QCOMPARE(f.scrollButtonAlphas(), (QList<double>{0, 0}));
    }

    void aPhoneShowsTheCanvasAtHalfScaleAndHidesTheTitleWhenZoomed()
    {
        EditorFixture f(Device::Idiom::Phone);
        ScrollView *canvas = f.ui().scrollViewPanels;
        QCOMPARE(canvas->frame(), QRectF(0, 70, 320, 360));
        f.tap(QPointF(250, 70 + 60)); // right panel of the first row
        QCOMPARE(f.mode().selectedPanel(), f.panel(1));
        QCOMPARE(canvas->frame(), QRectF(0, 44, 320, 240));
        QCOMPARE(f.panel(1)->frame(), QRectF(0, 0, 640, 480));
        QCOMPARE(toolbarX(f.ui().comicToolbar), -320);
        // The zoomed panel lies over the title: the title takes no taps,
        // focus or typing meant for the panel.
        QVERIFY(!f.ui().comicTitle->isVisibleTo(f.editor.get()));
        f.editor->deselectPanel();
        QCOMPARE(canvas->frame(), QRectF(0, 70, 320, 360));
        QVERIFY(f.ui().comicTitle->isVisibleTo(f.editor.get()));
    }

    void clearComicAsksFirst()
    {
        EditorFixture f;
        f.rows().addSinglePanel();
        const auto click = [](QMessageBox *box, const QString &title) {
            for (QAbstractButton *button : box->buttons())
                if (button->text() == title)
                    QTest::mouseClick(button, Qt::LeftButton);
        };
        // Return, Escape and closing the question are its harmless "No".
        const QList<std::function<void(QMessageBox *)>> answers{
            [](QMessageBox *box) { QTest::keyClick(box->windowHandle(), Qt::Key_Return); },
            [](QMessageBox *box) { QTest::keyClick(box->windowHandle(), Qt::Key_Escape); },
            [](QMessageBox *box) { box->close(); },
            [click](QMessageBox *box) { click(box, "No"); },
            [click](QMessageBox *box) { click(box, "Yes"); },
        };
        for (const auto &answer : answers) {
            f.actions().reset->trigger();
            QPointer<AlertView> alert = f.transients().alert();
            QCOMPARE(alert->title() + ": " + alert->message(), QString("Clear Comic: Are you sure?"));
            QCOMPARE(alert->buttonTitles(), (QStringList{"Yes", "No"}));
            answer(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
            QVERIFY(!alert || !alert->isVisible());
            QCOMPARE(f.rows().numberOfPanels(), &answer == &answers.last() ? 3 : 4);
        }
        QVERIFY(!f.history().canUndo());
        QVERIFY(!f.actions().undo->isEnabled() && !f.actions().redo->isEnabled());
    }

    // Toolbar buttons and sheet entries clicked in turn: each opens its own
    // screen, and never are two sheets or two popovers on screen at once.
    void commandsInTurnShowOneSheetAndOnePopoverAtMost()
    {
        EditorFixture f;
        QVERIFY(f.showActive());
        f.rows().addSinglePanel();
        const EditorCommands &commands = f.part<EditorCommands>();
        const EditorCommands::Actions &a = f.actions();
        const auto click = [&](QAction *toolbarItem, const QString &entry = QString()) {
            QTest::mouseClick(commands.button(toolbarItem)->button(), Qt::LeftButton);
            if (!entry.isEmpty())
                return QTest::mouseClick(buttonTitled(f.editor.get(), entry), Qt::LeftButton);
            EditorFixture::settle(1);
        };
        const auto open = [&] {
            QStringList titles;
            for (const Popover *popover : f.editor->findChildren<Popover *>())
                if (popover->isVisible())
                    titles << popover->container()->screen()->windowTitle();
            const QList<ActionSheet *> sheets = f.editor->findChildren<ActionSheet *>();
            for (const ActionSheet *sheet : sheets)
                if (sheet->isVisible())
                    titles << "sheet";
            return titles.join(", ");
        };
        click(a.more);
        QCOMPARE(open(), QString("sheet"));
        click(a.more, "Load from Device");
        QCOMPARE(open(), QString("Load Comic"));
        click(a.more);
        QCOMPARE(open(), QString("sheet"));
        click(a.more, "Upload History");
        QCOMPARE(open(), QString("Upload History"));
        QTest::mouseClick(commands.titleItem(), Qt::LeftButton);
        QCOMPARE(open(), QString("Panelry 4.0"));
        click(a.undo); // closes what is open, then undoes
        QCOMPARE(open(), QString());
        QCOMPARE(f.rows().numberOfPanels(), 3);
        // Without rows there is nothing to share, and nothing opens.
        f.rows().removeAllRows();
        Banners banners;
        click(a.more, "Share");
        QCOMPARE(open(), QString());
        QCOMPARE(banners.shown, QStringList{"Nothing to share"});
    }

    // Escape typed into the window takes one thing away a press, the top
    // one first, and keeps what was made.
    void escapeStepsBackOneThingAPress_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QStringList>("states");
        QTest::newRow("a text typed into, the More sheet")
            << Device::Idiom::Tablet << "text,more"
            << QStringList{"sheet typing selected zoomed", "typing selected zoomed", "selected zoomed", "zoomed", ""};
        QTest::newRow("a drawing, the category browser on a phone")
            << Device::Idiom::Phone << "drawing,category"
            << QStringList{"screen painting selected zoomed", "painting selected zoomed", "selected zoomed", "zoomed", ""};
        QTest::newRow("the title") << Device::Idiom::Tablet << "title" << QStringList{"title", ""};
    }
    void escapeStepsBackOneThingAPress()
    {
        QFETCH(Device::Idiom, idiom);
        QFETCH(QString, opened);
        QFETCH(QStringList, states);
        EditorFixture f(idiom);
        QVERIFY(f.showActive());
        const EditorCommands::Actions &a = f.actions();
        for (const QString &what : opened.split(',')) {
            if (what == "text") {
                f.zoom(0);
                a.addText->trigger();
                QTest::keyClicks(f.ui().stage, "kept");
            } else if (what == "drawing") {
                f.zoom(0);
                a.addDrawing->trigger();
            } else if (what == "title") {
                QTest::mouseClick(f.ui().comicTitle, Qt::LeftButton);
            } else {
                (what == "more" ? a.more : a.selectRageCategory)->trigger();
            }
        }
        EditorFixture::settle(1);
        for (const QString &state : states) {
            QCOMPARE(openOrEdited(f).join(' '), state);
            f.type({Qt::Key_Escape});
            EditorFixture::settle(1);
        }
        QCOMPARE(openOrEdited(f), QStringList());
        if (opened.startsWith("text"))
            QCOMPARE(qobject_cast<ComicObjectText *>(f.panel(0)->subviews().last())->text(), QString("kept"));
    }

    void helpOpensFromItsTitleOrF1AndSendsFeedbackByMail_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::addColumn<bool>("byF1");
        QTest::addColumn<bool>("hasMailProgram");
        QTest::newRow("tablet: its title clicked, a popover") << Device::Idiom::Tablet << false << true;
        QTest::newRow("phone: F1, a modal screen; no mail program") << Device::Idiom::Phone << true << false;
    }
    void helpOpensFromItsTitleOrF1AndSendsFeedbackByMail()
    {
        QFETCH(Device::Idiom, idiom);
        QFETCH(bool, byF1);
        QFETCH(bool, hasMailProgram);
        EditorFixture f(idiom);
        QWindow *window = f.showActive();
        QVERIFY(window);
        if (byF1)
            QTest::keyClick(window, Qt::Key_F1);
        else
        {
            QWidget *title = f.part<EditorCommands>().titleItem();
            QTest::mouseClick(window, Qt::LeftButton, {}, title->mapTo(f.editor.get(), title->rect().center()));
        }
        auto *help = f.editor->findChild<HelpViewController *>();
        QVERIFY(help && help->isVisible());
        NavigationContainer *screen = NavigationContainer::containing(help);
        QCOMPARE(screen->title(), "Panelry 4.0");
        if (idiom == Device::Idiom::Tablet)
            QCOMPARE(qobject_cast<Popover *>(f.transients().popover())->contentSize(), QSize(320, 436));
        else
            QCOMPARE(screen->leftButton()->text(), "Back");
        QStringList buttons;
        for (QPushButton *button : help->findChildren<QPushButton *>())
            buttons << button->text();
        QCOMPARE(buttons, (QStringList{"Panelry on the Web", "Recommend on Twitter", "Send Feedback", "Rate Panelry"}));

        MailProgram mail;
        if (hasMailProgram)
            QDesktopServices::setUrlHandler("mailto", &mail, "compose");
        Banners banners;
        QTest::mouseClick(help->findChildren<QPushButton *>().at(2), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("mailto");
        if (hasMailProgram)
            QCOMPARE(mail.mails, QList<QUrl>{QUrl("mailto:feedback@panelry.example?subject=Panelry%204.0%20Feedback")});
        else
            QCOMPARE(banners.shown, QStringList{"No mail account setup"});
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
