// Banners on the test clock: the queue and its gap, sizes, their place in
// the window (touches pass through, a picture of the window has them), and
// the hint a long press on a toolbar button shows.
#include "support/Banners.h"
#include "support/TestHome.h"
#include "toolkit/Clock.h"
#include "toolkit/Screen.h"
#include "ui/ButtonWithHint.h"
#include "ui/Notification.h"
#include "ui/NotificationManager.h"
#include "ui/NotificationWindow.h"

#include <QAction>
#include <QFontMetrics>
#include <QThread>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
constexpr double kStep = 1.0 / 240; // finer than an animation frame

NotificationManager *manager() { return NotificationManager::sharedManager(); }
QList<Notification *> onScreen() { return manager()->visibleNotifications(); }
void queued(const QString &text, double duration) { manager()->notifyText(text, {}, 6, duration, nullptr, false); }

Notification *shown(const QString &text)
{
    for (Notification *n : onScreen())
        if (n->text() == text)
            return n;
    return nullptr;
}

// Moves the clock on in small steps until pred holds; returns the time.
double runUntil(const std::function<bool()> &pred, double limit = 10)
{
    const double end = Clock::shared().now() + limit;
    while (!pred() && Clock::shared().now() < end)
        Clock::shared().advance(kStep);
    return pred() ? Clock::shared().now() : -1;
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Holds the button down for the given time, then lets go.
void hold(ButtonWithHint &button, double seconds)
{
    QTest::mousePress(button.button(), Qt::LeftButton, {}, QPoint(15, 15));
    Clock::shared().advance(seconds);
    QTest::mouseRelease(button.button(), Qt::LeftButton, {}, QPoint(15, 15));
}
}

class TestNotifications : public QObject
{
    Q_OBJECT
    TestHome m_home;
    std::unique_ptr<QWidget> m_editor;

    void makeEditor(int width, int height)
    {
        m_editor = std::make_unique<QWidget>();
        m_editor->resize(width, height);
        m_editor->show();
        Screen::setMainWindow(m_editor.get());
    }

private slots:
    void initTestCase() { Clock::shared().setManual(true); }
    void init() { makeEditor(320, 480); }
    void cleanup()
    {
        Clock::shared().advance(60); // every banner and queued follower gone
        flushDeletes();
        QVERIFY(onScreen().isEmpty());
        QVERIFY(manager()->queue().isEmpty());
        m_editor.reset();
    }

    void queuedBannersFollowEachOtherAfterAGap()
    {
        const double start = Clock::shared().now();
        queued("", 1.0); // an empty text shows nothing and blocks nothing
        manager()->notifyText(QString(), {}, 6, 1.0, nullptr, true);
        queued("zero", 0);
        queued("one", 1.0);
        queued("two", 1.0);
        QCOMPARE(manager()->queue().size(), 3);
        QCOMPARE(onScreen().size(), 1);
        QPointer<Notification> zero = shown("zero");
        QPointer<NotificationWindow> zeroWindow = zero->notificationWindow();
        QCOMPARE(zero->alpha(), 0.0); // no resting: the disappearance has begun

        // Sent meanwhile, an immediate banner shows at once, on top.
        manager()->notifyText("now", {}, 6, 3.0, nullptr, true);
        QCOMPARE(onScreen().last()->text(), QString("now"));
        QCOMPARE(manager()->queue().size(), 3);

        // Each shows 0.5 s after the previous one has gone (its resting time
        // plus 0.25 s disappearing), though the immediate one is still there.
        const std::pair<const char *, const char *> order[] = {{"zero", "one"}, {"one", "two"}};
        double shownAt = start;
        for (const auto &[previous, next] : order) {
            const double goneAt = runUntil([&] { return !shown(previous); });
            const double restingTime = QString(previous) == "zero" ? 0 : 1;
            QVERIFY(goneAt > 0 && qAbs(goneAt - shownAt - restingTime - 0.25) <= 1.0 / 30 + kStep);
            shownAt = runUntil([&] { return shown(next); });
            QVERIFY(qAbs(shownAt - goneAt - 0.5) <= kStep * 1.5);
        }
        QVERIFY(shown("now"));
        // Gone banners are freed with their windows.
        flushDeletes();
        QVERIFY(!zero && !zeroWindow);
    }

    void closingTheEditorWhileBannersShowKeepsTheQueueGoing()
    {
        queued("first", 2.0);
        queued("second", 2.0);
        QPointer<Notification> first = shown("first");
        m_editor.reset(); // takes the banner windows with it
        QVERIFY(!first);
        QCOMPARE(manager()->queue().size(), 1);
        QVERIFY(runUntil([] { return shown("second"); }) > 0);
    }

    void notifyingFromAWorkerShowsOnTheInterfaceThread()
    {
        std::unique_ptr<QThread> worker(QThread::create([] { manager()->notifyText("from worker", {}, 6, 1.0, nullptr, true); }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_VERIFY(shown("from worker"));
        QCOMPARE(shown("from worker")->thread(), qApp->thread());
    }

    void aLongTextWrapsAndEvenALongWordFitsTheScreen()
    {
        const QString longText = "The comic could not be uploaded because the connection to the image host was lost";
        const QSizeF box = Notification(longText, {}, 6, 1, nullptr).calculateSize();
        QVERIFY(box.height() > 2 * QFontMetrics(Notification::font()).height() && box.width() <= 320 - 20);
        const QString link = "https://imgur.com/" + QString(60, QChar('a'));
        QVERIFY(Notification(link, {}, 6, 1, nullptr).calculateSize().width() <= 320 - 20);
    }

    void aBannerShowsInsideTheWindowAndLetsTouchesThrough()
    {
        manager()->notifyText("Comic saved to library", "no_such_icon.png", 1, 2.0, nullptr, true);
        Clock::shared().advance(0.5);
        NotificationWindow *layer = shown("Comic saved to library")->notificationWindow();
        QCOMPARE(layer->parentWidget(), m_editor.get());
        QVERIFY(layer->testAttribute(Qt::WA_TransparentForMouseEvents));
        // The window shows around it.
        const QRect frame = shown("Comic saved to library")->frame().toRect();
        const QColor background(0xc0, 0xc0, 0xc0), box(0x55, 0x55, 0x55);
        m_editor->setStyleSheet("background: #c0c0c0");
        const QImage picture = m_editor->grab().toImage();
        QCOMPARE(picture.pixelColor(frame.left() + 5, frame.center().y()), box); // margin
        QCOMPARE(picture.pixelColor(frame.left() + 26, frame.center().y()), box); // empty icon area
        QCOMPARE(picture.pixelColor(frame.left() - 3, frame.center().y()), background);
        QCOMPARE(picture.pixelColor(frame.center().x(), frame.bottom() + 3), background);
    }

    void shortPressRunsTheCommandLongPressShowsTheHintOnce()
    {
        // A button's hint is a banner: a long press shows it instead of
        // running the command.
        Banners banners;
        int runs = 0;
        QAction command("Add Panel");
        connect(&command, &QAction::triggered, [&] { ++runs; });
        ButtonWithHint button("icon_add.png", &command, m_editor.get());
        button.show();
        hold(button, 0.5);
        QCOMPARE(runs, 1);
        QVERIFY(banners.shown.isEmpty());
        hold(button, 2.5); // held on well past the second
        QCOMPARE(runs, 1);
        QCOMPARE(banners.shown, QStringList{"Add Panel"});
        hold(button, 0.2); // the next short press is a command again
        QCOMPARE(runs, 2);
        QCOMPARE(banners.shown.size(), 1);

        // Disabled: dim, taps ignored, the hint still there.
        command.setEnabled(false);
        QCOMPARE(button.buttonOpacity(), 0.5);
        hold(button, 0.2);
        QCOMPARE(runs, 2);
        hold(button, 1.0);
        QCOMPARE(banners.shown.size(), 2);
        command.setEnabled(true);
        QCOMPARE(button.buttonOpacity(), 1.0);
        hold(button, 0.2);
        QCOMPARE(runs, 3);
    }
};

QTEST_MAIN(TestNotifications)
#include "tst_notifications.moc"
