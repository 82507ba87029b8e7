// Popovers, action sheets and the edit menu inside a window: a press or a
// touch outside one closes it as the user's answer and still reaches what it
// hit; a press inside works as usual; closing from code is no user answer.
// And the image picker's dialog blocks nothing.
#include "support/TestHome.h"
#include "support/Widgets.h"
#include "toolkit/ActionSheet.h"
#include "toolkit/EditMenu.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/ImagePicker.h"
#include "toolkit/NavigationContainer.h"
#include "toolkit/Popover.h"
#include "toolkit/Stage.h"
#include "toolkit/View.h"

#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Takes touches, as the editor's stage does.
class TouchSurface : public QWidget
{
public:
    using QWidget::QWidget;
    int touchBegins = 0;

protected:
    bool event(QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd)
            return QWidget::event(event);
        touchBegins += type == QEvent::TouchBegin;
        event->accept();
        return true;
    }
};

// An editor-like window: a surface taking touches, a command button at the
// top and an anchor button in a bottom toolbar. It writes down what happens,
// in order.
struct Host {
    QWidget window;
    TouchSurface *surface = new TouchSurface(&window);
    QPushButton *undo = new QPushButton("Undo", &window);
    QPushButton *anchor = new QPushButton("More...", &window);
    QStringList log;

    Host()
    {
        window.resize(768, 1024);
        surface->setGeometry(0, 100, 768, 800);
        surface->setAttribute(Qt::WA_AcceptTouchEvents);
        undo->setGeometry(10, 10, 80, 40);
        anchor->setGeometry(600, 960, 80, 40);
        QObject::connect(undo, &QPushButton::clicked, [this] { log << "undo"; });
        window.show();
    }
    QPoint surfacePoint() const { return surface->mapTo(&window, QPoint(60, 20)); }
};

// A click through the window system, which picks the widget under it (and
// drops input to blocked windows).
void clickAt(QWidget *window, const QPoint &at) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at); }

// One finger down and up at a point of the window.
void tapWithFinger(QWidget *window, const QPoint &at)
{
    static QPointingDevice *touchScreen = QTest::createTouchDevice();
    QTest::touchEvent(window, touchScreen).press(0, at, window);
    QTest::touchEvent(window, touchScreen).release(0, at, window);
}

// A popover with a button "Inside".
Popover *openPopover(Host &host)
{
    auto *screen = new QWidget;
    screen->setWindowTitle("Categories");
    auto *button = new QPushButton("Inside", screen);
    button->setGeometry(20, 20, 120, 40);
    QObject::connect(button, &QPushButton::clicked, [&host] { host.log << "inside"; });
    auto *popover = new Popover(screen, QSize(320, 480), &host.window);
    popover->onClosed = [&host] { host.log << "closed by user"; };
    popover->presentFrom(host.anchor);
    return popover;
}

ActionSheet *openSheet(Host &host, bool tablet)
{
    auto *sheet = new ActionSheet({"Share", "Save"}, "Cancel");
    sheet->onClicked = [&host](ActionSheet *, int index) { host.log << QString("clicked %1").arg(index); };
    sheet->onDismissed = [&host](ActionSheet *, int index) { host.log << QString("dismissed %1").arg(index); };
    if (tablet)
        sheet->showFrom(host.anchor);
    else
        sheet->showIn(&host.window);
    return sheet;
}

}

class TestOverlays : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void cleanup() { flushEvents(); }

    // Where they sit; closed from code, they give no answer and run no
    // command, and the next press goes through.
    void popoverAndSheetsSitInsideTheWindowAndClosingFromCodeIsNoAnswer()
    {
        Host host;
        QPointer<Popover> popover = openPopover(host);
        QCOMPARE(popover->parentWidget(), &host.window);
        QVERIFY(popover->geometry().bottom() < host.anchor->y());
        QCOMPARE(host.window.childAt(popover->geometry().center()), popover->container()->screen());
        // No room above a button at the top: below it.
        host.anchor->move(700, 10);
        popover->presentFrom(host.anchor);
        QVERIFY(popover->y() > host.anchor->geometry().bottom());
        QVERIFY(host.window.rect().contains(popover->geometry()));
        popover->close();
        QVERIFY(host.log.isEmpty());

        // A tablet's sheet above its button, cancelled by a press outside; a
        // phone's at the bottom of the window, with a Cancel button.
        host.anchor->move(600, 960);
        QPointer<ActionSheet> tablet = openSheet(host, true);
        QCOMPARE(tablet->cancelButtonIndex(), 2);
        QVERIFY(!buttonTitled(&host.window, "Cancel"));
        QVERIFY(buttonTitled(&host.window, "Save")->mapTo(&host.window, QPoint(0, 0)).y() < host.anchor->y());
        tablet->dismissWithClickedButtonIndex(-1);
        QVERIFY(!tablet->isVisible());
        host.window.resize(320, 480);
        QPointer<ActionSheet> phone = openSheet(host, false);
        QVERIFY(buttonTitled(&host.window, "Cancel")->mapTo(&host.window, QPoint(0, 0)).y() > 400);
        phone->dismissWithClickedButtonIndex(-1);
        QVERIFY(!phone->isVisible());
        QTest::mouseClick(host.undo, Qt::LeftButton);
        QCOMPARE(host.log, QStringList({"dismissed -1", "dismissed -1", "undo"}));
        flushEvents();
        QVERIFY(!popover && !tablet && !phone);
    }

    // A press or a touch outside closes a popover or a tablet's sheet as the
    // user's answer and still reaches what it hit; a phone's sheet dims the
    // window, so there it only cancels. Inside, a press works as usual.
    void aPressOrATouchAnswersAndOutsideReachesWhatItHit_data()
    {
        QTest::addColumn<QString>("overlay");
        QTest::addColumn<QString>("input"); // a click or a finger, on a button or the canvas
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<int>("canvasTouches");
        const auto row = [](const char *overlay, const char *input, const QStringList &log, int canvasTouches = 0) {
            QTest::addRow("%s: %s", overlay, input) << QString(overlay) << QString(input) << log << canvasTouches;
        };
        const QStringList closed{"closed by user"}, cancelled{"clicked 2", "dismissed 2"}, undo{"undo"};
        row("popover", "click Inside", {"inside"});
        row("popover", "finger Inside", {"inside"});
        row("popover", "click Undo", closed + undo);
        row("popover", "finger Undo", closed + undo);
        row("popover", "finger canvas", closed, 1);
        row("tablet", "click Undo", cancelled + undo);
        row("tablet", "finger canvas", cancelled, 1);
        row("tablet", "click Save", {"clicked 1", "dismissed 1"});
        row("phone", "click Undo", cancelled);
        row("phone", "finger canvas", cancelled);
        row("phone", "click Share", {"clicked 0", "dismissed 0"});
    }
    void aPressOrATouchAnswersAndOutsideReachesWhatItHit()
    {
        QFETCH(QString, overlay);
        QFETCH(QString, input);
        QFETCH(QStringList, log);
        QFETCH(int, canvasTouches);
        Host host;
        if (overlay == "phone")
            host.window.resize(320, 480);
        QPointer<QObject> opened = overlay == "popover" ? static_cast<QObject *>(openPopover(host))
                                                        : openSheet(host, overlay == "tablet");
        const QString target = input.section(' ', 1);
        QWidget *button = target == "Undo" ? host.undo : buttonTitled(&host.window, target);
        const QPoint at = target == "canvas" ? host.surfacePoint() : button->mapTo(&host.window, button->rect().center());
        if (input.startsWith("click"))
            clickAt(&host.window, at);
        else
            tapWithFinger(&host.window, at);
        QCOMPARE(host.log, log);
        QCOMPARE(host.surface->touchBegins, canvasTouches);
        flushEvents();
        QCOMPARE(bool(opened), log == QStringList{"inside"});
    }

    // The keyboard in a sheet or a popover, as in a menu; the focus comes
    // back to the button that had it.
    void keysWalkTheEntriesAndChoose_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("log");
        const QStringList save{"clicked 1", "dismissed 1"};
        const QStringList cancel{"clicked 2", "dismissed 2"};
        QTest::newRow("tablet sheet: Down, Return") << "tablet" << QList<int>{Qt::Key_Down, Qt::Key_Return} << save;
        QTest::newRow("tablet sheet: Up goes round") << "tablet" << QList<int>{Qt::Key_Up, Qt::Key_Enter} << save;
        QTest::newRow("tablet sheet: Tab goes round, Space")
            << "tablet" << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << QStringList{"clicked 0", "dismissed 0"};
        QTest::newRow("tablet sheet: Escape") << "tablet" << QList<int>{Qt::Key_Escape} << cancel;
        QTest::newRow("phone sheet: Backtab to Cancel") << "phone" << QList<int>{Qt::Key_Backtab, Qt::Key_Return} << cancel;
        QTest::newRow("phone sheet: Right, Space") << "phone" << QList<int>{Qt::Key_Right, Qt::Key_Space} << save;
        QTest::newRow("phone sheet: Escape") << "phone" << QList<int>{Qt::Key_Escape} << cancel;
        QTest::newRow("popover: Tab stays inside")
            << "popover" << QList<int>{Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}
            << QStringList{"inside", "inside", "closed by user"};
    }
    void keysWalkTheEntriesAndChoose()
    {
        QFETCH(QString, kind);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, log);
        Host host;
        host.anchor->setFocus();
        if (kind == "popover")
            openPopover(host);
        else
            openSheet(host, kind == "tablet");
        for (int key : keys)
            QTest::keyClick(host.window.windowHandle(), Qt::Key(key));
        QCOMPARE(host.log, log);
        QCOMPARE(host.window.focusWidget(), host.anchor);
    }

    void editMenuSitsAboveItsTargetAndAPressOutsideHidesItAndGoesThrough()
    {
        Host host;
        auto *root = new View(QRectF(0, 0, 768, 800)); // the stage's scene owns it
        auto *stage = new Stage(root, host.surface);
        stage->setGeometry(host.surface->rect());
        stage->show();
        auto *object = new View(QRectF(200, 300, 100, 100));
        root->addSubview(object);
        int canvasTaps = 0;
        root->addGestureRecognizer(new TapGestureRecognizer([&canvasTaps](GestureRecognizer *) { ++canvasTaps; }));

        EditMenu *menu = EditMenu::sharedMenuController();
        QSignalSpy hidden(menu, &EditMenu::didHideMenu);
        bool moved = false;
        const QList<EditMenu::Item> items = {{"Copy", nullptr}, {"Bring to Front", [&moved] { moved = true; }}};
        // The editor forgets the items whenever the menu hides.
        QObject forgetting;
        connect(menu, &EditMenu::didHideMenu, &forgetting, [menu] { menu->setMenuItems({}); });
        auto show = [&] {
            menu->setMenuItems(items);
            menu->setMenuVisible(true);
        };
        menu->setTargetRect(object->bounds(), object);
        show();
        show(); // shown again where it is: no hiding in between
        QCOMPARE(hidden.count(), 0);
        const QRect bar = buttonTitled(&host.window, "Bring to Front")->parentWidget()->geometry();
        const QRect target(stage->mapTo(&host.window, QPoint(200, 300)), QSize(100, 100));
        QVERIFY(bar.bottom() < target.top());
        QVERIFY(qAbs(bar.center().x() - target.center().x()) <= 1);

        // Each press hides it: outside, it goes through; touching the canvas,
        // the canvas gets the touch; on an item, the item runs.
        QTest::mouseClick(host.undo, Qt::LeftButton);
        QCOMPARE(host.log, QStringList({"undo"}));
        show();
        tapWithFinger(&host.window, stage->mapTo(&host.window, QPoint(50, 50)));
        QCOMPARE(canvasTaps, 1);
        show();
        QTest::mouseClick(buttonTitled(&host.window, "Bring to Front"), Qt::LeftButton);
        QVERIFY(moved);
        QCOMPARE(hidden.count(), 3);
        QVERIFY(!menu->isMenuVisible());

        // No room above a target at the top of the window: below it.
        object->setCenter(QPointF(250, -30));
        menu->setTargetRect(object->bounds(), object);
        show();
        QVERIFY(buttonTitled(&host.window, "Copy")->parentWidget()->y() > stage->mapTo(&host.window, QPoint(0, 20)).y());

        // A phone's window: the whole of a long menu stays inside it.
        host.window.resize(320, 480);
        const QStringList titles = {"Copy", "Cut", "Bring to Front", "Send to Back"};
        QList<EditMenu::Item> objectMenu;
        for (const QString &title : titles)
            objectMenu.append({title, nullptr});
        menu->setMenuItems(objectMenu);
        menu->setMenuVisible(true);
        for (const QString &title : titles) {
            QPushButton *button = buttonTitled(&host.window, title);
            const QRect inWindow(button->mapTo(&host.window, QPoint(0, 0)), button->size());
            QVERIFY2(host.window.rect().contains(inWindow) && button->width() >= button->sizeHint().width(),
                     qPrintable(title));
        }
        menu->setMenuVisible(false);
    }

    void thePickerBlocksNoOtherCommand()
    {
        Host host;
        ImagePicker picker(ImagePicker::SourceType::PhotoLibrary, &host.window);
        QSignalSpy cancelled(&picker, &ImagePicker::didCancel);
        QSignalSpy finished(&picker, &ImagePicker::finished);
        picker.open();
        auto *dialog = qobject_cast<QFileDialog *>(picker.window());
        QVERIFY(dialog && dialog->isWindow() && dialog->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        clickAt(&host.window, host.undo->geometry().center());
        QCOMPARE(host.log, QStringList({"undo"}));

        // The keyboard goes to it, and back when it goes.
        flushEvents();
        QCOMPARE(QApplication::activeWindow(), dialog);
        picker.dismiss();
        flushEvents();
        QCOMPARE(QApplication::activeWindow(), &host.window);
        QVERIFY(!picker.window());
        QCOMPARE(cancelled.count(), 0);
        QCOMPARE(finished.count(), 1);

        picker.open();
        QTest::keyClick(picker.window(), Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(finished.count(), 2);
    }
};

QTEST_MAIN(TestOverlays)
#include "tst_overlays.moc"
