// Banners on the test clock: the queue and its gap, sizes, styles, taps,
// touches passing through, and drawing into a picture of the window.
#include "support/TestHome.h"
#include "toolkit/Animation.h"
#include "toolkit/Clock.h"
#include "toolkit/Screen.h"
#include "ui/Notification.h"
#include "ui/NotificationManager.h"
#include "ui/NotificationViewController.h"
#include "ui/NotificationWindow.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr double kStep = 1.0 / 240; // finer than an animation frame

NotificationManager *manager() { return NotificationManager::sharedManager(); }

QList<Notification *> onScreen() { return manager()->visibleNotifications(); }

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

// Banners must not ask the offscreen platform for what it cannot do (shape
// or raise windows), which it answers with a warning each time.
QtMessageHandler g_defaultHandler = nullptr;
int g_platformWarnings = 0;
void countPlatformWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        ++g_platformWarnings;
    g_defaultHandler(type, context, message);
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QSize measured(const QString &text, int wrap)
{
    return QFontMetrics(Notification::font()).boundingRect(QRect(0, 0, wrap, 100000), Qt::TextWordWrap, text).size();
}

const QString kLongText = QStringLiteral("The comic could not be uploaded because the connection to the image host was lost");

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
    void initTestCase()
    {
        g_defaultHandler = qInstallMessageHandler(countPlatformWarnings);
        Clock::shared().setManual(true);
    }
    void init() { makeEditor(320, 480); }
    void cleanup()
    {
        Clock::shared().advance(60); // every banner and queued follower gone
        flushDeletes();
        QVERIFY(onScreen().isEmpty());
        QVERIFY(manager()->queue().isEmpty());
        m_editor.reset();
        QCOMPARE(g_platformWarnings, 0);
    }

    // --- the queue -------------------------------------------------------

    void queuedBannersFollowEachOtherAfterAGap()
    {
        const double start = Clock::shared().now();
        manager()->notifyText("one", {}, 6, 1.0, nullptr, false);
        manager()->notifyText("two", {}, 6, 1.0, nullptr, false);
        manager()->notifyText("three", {}, 6, 1.0, nullptr, false);
        QCOMPARE(manager()->queue().size(), 3);
        QCOMPARE(onScreen().size(), 1);
        QVERIFY(shown("one"));

        // Sent meanwhile, an immediate banner shows at once, on top.
        manager()->notifyText("now", {}, 6, 3.0, nullptr, true);
        QCOMPARE(onScreen().size(), 2);
        QCOMPARE(onScreen().last()->text(), QString("now"));
        QCOMPARE(manager()->queue().size(), 3);

        // Each shows 0.5 s after the previous one has gone (1.0 s resting plus
        // 0.25 s disappearing), though the immediate one is still there.
        const std::pair<const char *, const char *> order[] = {{"one", "two"}, {"two", "three"}};
        for (const auto &[previous, next] : order) {
            const double goneAt = runUntil([&] { return !shown(previous); });
            QVERIFY(goneAt > 0);
            const double nextAt = runUntil([&] { return shown(next); });
            QVERIFY(nextAt > 0);
            QVERIFY(qAbs(nextAt - goneAt - 0.5) <= kStep * 1.5);
            if (QString(next) == "two") {
                QVERIFY(qAbs(goneAt - start - 1.25) <= 1.0 / 60 + kStep);
                QVERIFY(shown("now"));
            }
        }
    }

    void emptyTextShowsNothingAndDoesNotBlockTheQueue()
    {
        manager()->notifyText(QString(), {}, 6, 1.0, nullptr, false);
        manager()->notifyText("", {}, 6, 1.0, nullptr, false);
        manager()->notifyText("", {}, 6, 1.0, nullptr, true);
        QVERIFY(onScreen().isEmpty());
        QVERIFY(manager()->queue().isEmpty());
        manager()->notifyText("after", {}, 6, 1.0, nullptr, false);
        QVERIFY(shown("after"));
    }

    void zeroDurationStartsHidingAtOnce()
    {
        const double start = Clock::shared().now();
        manager()->notifyText("gone", {}, 6, 0, nullptr, false);
        manager()->notifyText("next", {}, 6, 1.0, nullptr, false);
        Notification *banner = shown("gone");
        QVERIFY(banner);
        QCOMPARE(banner->alpha(), 0.0); // the disappearance has begun
        const double goneAt = runUntil([] { return !shown("gone"); });
        QVERIFY(goneAt > 0 && goneAt - start <= 0.25 + 1.0 / 30);
        QVERIFY(qAbs(runUntil([] { return shown("next"); }) - goneAt - 0.5) <= kStep * 1.5);
    }

    void bannersAreFreedWhenGone()
    {
        manager()->notifyText("bye", {}, 6, 1.0, nullptr, true);
        QPointer<Notification> banner = shown("bye");
        QPointer<NotificationWindow> window = banner->notificationWindow();
        Clock::shared().advance(2);
        flushDeletes();
        QVERIFY(!banner);
        QVERIFY(!window);
    }

    void closingTheEditorWhileBannersShowKeepsTheQueueGoing()
    {
        manager()->notifyText("first", {}, 6, 2.0, nullptr, false);
        manager()->notifyText("second", {}, 6, 2.0, nullptr, false);
        QPointer<Notification> first = shown("first");
        m_editor.reset(); // takes the banner windows with it
        QVERIFY(!first);
        QCOMPARE(manager()->queue().size(), 1);
        QVERIFY(runUntil([] { return shown("second"); }) > 0);
    }

    void notifyingFromAWorkerShowsOnTheInterfaceThread()
    {
        std::unique_ptr<QThread> worker(QThread::create([] {
            manager()->notifyText("from worker", {}, 6, 1.0, nullptr, true);
        }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_VERIFY(shown("from worker"));
        QCOMPARE(shown("from worker")->thread(), qApp->thread());
    }

    // --- size ----------------------------------------------------------------

    void sizeFollowsTheMeasuredText_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<int>("wrap");
        QTest::addColumn<int>("allowance");
        QTest::newRow("phone") << 320 << 480 << QString() << 280 << 20;
        QTest::newRow("phone icon") << 320 << 480 << QString("icon_add.png") << 243 << 57;
        QTest::newRow("tablet") << 768 << 1024 << QString() << 440 << 20;
        QTest::newRow("tablet icon") << 768 << 1024 << QString("icon_add.png") << 403 << 57;
        QTest::newRow("missing icon keeps its room") << 320 << 480 << QString("no_such_icon.png") << 243 << 57;
    }

    void sizeFollowsTheMeasuredText()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(QString, icon);
        QFETCH(int, wrap);
        QFETCH(int, allowance);
        makeEditor(screenWidth, screenHeight);
        QCOMPARE(Notification::wrapWidth(!icon.isEmpty()), wrap);

        const QSize oneLine = measured("Link copied", wrap);
        QCOMPARE(Notification("Link copied", icon, 6, 1, nullptr).calculateSize(),
                 QSizeF(oneLine.width() + allowance, oneLine.height() + 20));

        const QSize wrapped = measured(kLongText, wrap);
        QVERIFY(wrapped.height() > QFontMetrics(Notification::font()).height()); // it did wrap
        const QSizeF size = Notification(kLongText, icon, 6, 1, nullptr).calculateSize();
        QCOMPARE(size, QSizeF(wrapped.width() + allowance, wrapped.height() + 20));
        QVERIFY(size.width() <= qMin(screenWidth, 480) - 20);
    }

    void anOverlongWordStillFitsTheScreen()
    {
        const QString link = "https://imgur.com/" + QString(60, QChar('a'));
        QVERIFY(Notification(link, {}, 6, 1, nullptr).calculateSize().width() <= 300);
    }

    // --- styles ----------------------------------------------------------------

    void stylesStartAndRestWhereTheyShould_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("startY");  // drawn centre at start: expression of C (480) and B
        QTest::addColumn<QString>("restY");
        QTest::addColumn<double>("startAlpha");
        QTest::addColumn<double>("startScale");
        QTest::newRow("0 bottom fade") << 0 << "C-B/2-10" << "C-B/2-10" << 0.0 << 1.0;
        QTest::newRow("1 centre fade") << 1 << "C/2" << "C/2" << 0.0 << 1.0;
        QTest::newRow("2 top fade") << 2 << "B/2+10" << "B/2+10" << 0.0 << 1.0;
        QTest::newRow("3 slide up") << 3 << "C+B/2" << "C-B/2-10" << 1.0 << 1.0;
        QTest::newRow("4 slide down") << 4 << "-B/2" << "B/2+10" << 1.0 << 1.0;
        QTest::newRow("5 bottom zoom") << 5 << "C-B/2-10" << "C-B/2-10" << 0.0 << 0.1;
        QTest::newRow("6 centre zoom") << 6 << "C/2" << "C/2" << 0.0 << 0.1;
        QTest::newRow("7 top zoom") << 7 << "B/2+10" << "B/2+10" << 0.0 << 0.1;
    }

    void stylesStartAndRestWhereTheyShould()
    {
        QFETCH(int, style);
        QFETCH(QString, startY);
        QFETCH(QString, restY);
        QFETCH(double, startAlpha);
        QFETCH(double, startScale);
        manager()->notifyText("Styled", {}, style, 1.0, nullptr, true);
        Notification *banner = shown("Styled");
        const qreal B = banner->size().height();
        const auto y = [B](const QString &e) {
            const QHash<QString, qreal> values{{"C-B/2-10", 480 - B / 2 - 10}, {"C/2", 240}, {"B/2+10", B / 2 + 10},
                                               {"C+B/2", 480 + B / 2}, {"-B/2", -B / 2}};
            return values.value(e);
        };
        // The model is final at once; the drawing starts from the start state.
        QCOMPARE(banner->frame().center(), QPointF(160, y(restY)));
        QCOMPARE(banner->alpha(), 1.0);
        QCOMPARE(banner->scale(), 1.0);
        QCOMPARE(banner->drawnFrame().center(), QPointF(160, y(startY)));
        QCOMPARE(banner->drawnAlpha(), startAlpha);
        QCOMPARE(banner->drawnScale(), startScale);
        // ... and reaches the model in 0.25 s.
        Clock::shared().advance(0.25 + 1.0 / 30);
        QCOMPARE(banner->drawnFrame(), banner->frame());
        QCOMPARE(banner->drawnAlpha(), 1.0);
    }

    void style3RestsAboveTheBottomAndSlidesOut()
    {
        manager()->notifyText("Slide", {}, 3, 1.0, nullptr, true);
        Notification *banner = shown("Slide");
        QCOMPARE(banner->frame().bottom(), 480.0 - 10);
        Clock::shared().advance(1.0 + 0.125); // half-way out
        QCOMPARE(banner->frame().top(), 480.0); // the model is already off the screen
        QVERIFY(banner->drawnFrame().top() > 480 - 10 - banner->size().height());
        QVERIFY(banner->drawnFrame().top() < 480);
        QCOMPARE(banner->drawnAlpha(), 1.0); // sliding, not fading
    }

    void style6GrowsFromTheCentreAndFadesWithoutShrinking()
    {
        manager()->notifyText("Zoom", {}, 6, 1.0, nullptr, true);
        Notification *banner = shown("Zoom");
        QCOMPARE(banner->drawnFrame().size(), banner->size() * 0.1);
        Clock::shared().advance(0.125);
        QVERIFY(banner->drawnScale() > 0.1 && banner->drawnScale() < 1);
        QCOMPARE(banner->drawnFrame().center(), QPointF(160, 240));
        Clock::shared().advance(1.0);
        QCOMPARE(banner->alpha(), 0.0);
        QCOMPARE(banner->scale(), 1.0);
        QVERIFY(banner->drawnAlpha() < 1);
        QCOMPARE(banner->drawnScale(), 1.0);
    }

    void anUnknownStyleStaysAtTheOriginOpaque()
    {
        manager()->notifyText("Odd", {}, 9, 1.0, nullptr, true);
        Notification *banner = shown("Odd");
        QCOMPARE(banner->frame().topLeft(), QPointF(0, 0));
        QCOMPARE(banner->drawnAlpha(), 1.0);
        QVERIFY(runUntil([] { return !shown("Odd"); }) > 0);
    }

    // --- touches -----------------------------------------------------------------

    void aTapRunsTheActionOnceAndEndsTheBanner()
    {
        int taps = 0;
        QSignalSpy shownSpy(manager(), &NotificationManager::notificationShown);
        manager()->notifyText("Tap me", {}, 6, 2.0, [&] { ++taps; }, false);
        manager()->notifyText("Later", {}, 6, 1.0, nullptr, false);
        Notification *banner = shown("Tap me");
        QWidget *container = banner->modalViewController()->view();
        Clock::shared().advance(0.5);

        QTest::mouseClick(container, Qt::LeftButton, {}, QPoint(5, 5)); // beside it: nothing
        QCOMPARE(taps, 0);
        QTest::mouseClick(container, Qt::LeftButton, {}, banner->frame().center().toPoint());
        QCOMPARE(taps, 1);
        QVERIFY(!shown("Tap me")); // gone at once, no disappearance
        QVERIFY(!banner->notificationWindow());

        // The scheduled hide never comes; the queue moves on once.
        Clock::shared().advance(0.5);
        QVERIFY(shown("Later"));
        Clock::shared().advance(5);
        QCOMPARE(taps, 1);
        QCOMPARE(shownSpy.count(), 2);
    }

    void aTapDuringTheDisappearanceEndsTheBannerOnce()
    {
        int taps = 0;
        QSignalSpy shownSpy(manager(), &NotificationManager::notificationShown);
        manager()->notifyText("Leaving", {}, 3, 1.0, [&] { ++taps; }, false);
        manager()->notifyText("Then", {}, 6, 1.0, nullptr, false);
        manager()->notifyText("Last", {}, 6, 1.0, nullptr, false);
        Notification *banner = shown("Leaving");
        Clock::shared().advance(1.0 + 1.0 / 60);
        QTest::mouseClick(banner->modalViewController()->view(), Qt::LeftButton, {},
                          banner->drawnFrame().center().toPoint());
        QCOMPARE(taps, 1);
        // The end of the interrupted animation must not advance the queue again.
        Clock::shared().advance(0.75);
        QVERIFY(shown("Then"));
        QVERIFY(!shown("Last"));
        QCOMPARE(shownSpy.count(), 2);
    }

    void touchesPassThroughUnlessTheBannerIsTappable()
    {
        manager()->notifyText("Plain", {}, 6, 1.0, nullptr, true);
        manager()->notifyText("Tappable", {}, 2, 1.0, [] {}, true);
        NotificationWindow *plain = shown("Plain")->notificationWindow();
        Notification *tappable = shown("Tappable");
        NotificationWindow *window = tappable->notificationWindow();
        QCOMPARE(plain->geometry(), Screen::geometry());
        QVERIFY(plain->windowFlags() & Qt::WindowTransparentForInput);
        QVERIFY(!plain->takesTouchAt(QPoint(160, 240)));
        // Only the banner's place belongs to the window, so the editor shows
        // around it even where transparent pixels are not see-through.
        QVERIFY(plain->bannerRegion().contains(QPoint(160, 240)));
        QVERIFY(!plain->bannerRegion().contains(QPoint(160, 100)));

        QVERIFY(!(window->windowFlags() & Qt::WindowTransparentForInput));
        Clock::shared().advance(0.5);
        QVERIFY(window->takesTouchAt(tappable->frame().center().toPoint()));
        QVERIFY(!window->takesTouchAt(QPoint(160, 400)));
        QVERIFY(!window->takesTouchAt(QPoint(2, 2)));
    }

    // --- drawing -----------------------------------------------------------------

    void visibleBannersPaintOntoAPictureOfTheWindow()
    {
        manager()->notifyText("Comic saved to library", "no_such_icon.png", 1, 2.0, nullptr, true);
        Clock::shared().advance(0.5);
        const QRect frame = shown("Comic saved to library")->frame().toRect();
        QImage picture(320, 480, QImage::Format_ARGB32);
        const QColor background(0xc0, 0xc0, 0xc0);
        picture.fill(background);
        QPainter painter(&picture);
        manager()->paintVisible(painter, Screen::geometry());
        painter.end();

        const QColor box(0x55, 0x55, 0x55);
        QCOMPARE(picture.pixelColor(frame.left() + 5, frame.center().y()), box); // margin
        QCOMPARE(picture.pixelColor(frame.left() + 26, frame.center().y()), box); // empty icon area
        QCOMPARE(picture.pixelColor(frame.left() - 3, frame.center().y()), background);
        QCOMPARE(picture.pixelColor(frame.center().x(), frame.bottom() + 3), background);
    }
};

QTEST_MAIN(TestNotifications)
#include "tst_notifications.moc"
