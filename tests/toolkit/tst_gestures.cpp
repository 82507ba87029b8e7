#include "toolkit/Clock.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/ScrollView.h"
#include "toolkit/TouchDispatcher.h"
#include "toolkit/View.h"

#include <QtTest>
#include <memory>

namespace {

// Records the states a recogniser reports through its action.
struct Trace {
    QList<GestureState> states;
    GestureRecognizer::Action action()
    {
        return [this](GestureRecognizer *r) { states << r->state(); };
    }
};

class TouchRecordingView : public View
{
public:
    using View::View;
    QStringList events;
    void touchesBegan(const Touches &) override { events << "began"; }
    void touchesMoved(const Touches &) override { events << "moved"; }
    void touchesEnded(const Touches &) override { events << "ended"; }
    void touchesCancelled(const Touches &) override { events << "cancelled"; }
};

}

class TestGestures : public QObject
{
    Q_OBJECT
private slots:
    void init() { Clock::shared().setManual(true); }

    void longPressBeginsOnTheClockAndFailsOnEarlyLift()
    {
        LongPressGestureRecognizer press;
        press.setMinimumPressDuration(1.0);
        Trace trace;
        press.setAction(trace.action());

        press.touchesBegan({Touch{1, QPointF(5, 5)}});
        Clock::shared().advance(0.9);
        press.touchesEnded({Touch{1, QPointF(5, 5)}});
        QCOMPARE(press.state(), GestureState::Failed);
        Clock::shared().advance(1.0);

        press.reset();
        press.touchesBegan({Touch{1, QPointF(5, 5)}});
        Clock::shared().advance(1.0);
        QCOMPARE(trace.states, QList<GestureState>{GestureState::Began}); // the early lift reported nothing
        press.touchesMoved({Touch{1, QPointF(40, 5)}}); // moving after it began is fine
        Clock::shared().advance(3.0);
        press.touchesEnded({Touch{1, QPointF(40, 5)}});
        QCOMPARE(trace.states, (QList<GestureState>{GestureState::Began, GestureState::Changed, GestureState::Ended}));

        // Moving away before the duration fails it.
        press.reset();
        trace.states.clear();
        press.touchesBegan({Touch{1, QPointF(5, 5)}});
        press.touchesMoved({Touch{1, QPointF(30, 5)}});
        Clock::shared().advance(2.0);
        QCOMPARE(press.state(), GestureState::Failed);
        QVERIFY(trace.states.isEmpty());
    }

    void dispatcherLetsOneRecogniserWinAndCancelsTheViewsTouches()
    {
        // A scroll view with a tappable child, as the canvas with its panels.
        std::unique_ptr<View> root(new View(QRectF(0, 0, 400, 400)));
        auto *scroll = new ScrollView(QRectF(0, 0, 400, 200));
        scroll->setContentSize(QSizeF(400, 800));
        root->addSubview(scroll);
        auto *panel = new TouchRecordingView(QRectF(0, 0, 400, 100));
        scroll->addSubview(panel);
        int taps = 0;
        panel->addGestureRecognizer(new TapGestureRecognizer([&](GestureRecognizer *) { ++taps; }));
        TouchDispatcher dispatcher(root.get());

        dispatcher.touchBegan(1, QPointF(50, 50));
        dispatcher.touchEnded(1, QPointF(52, 51));
        QCOMPARE(taps, 1);
        QCOMPARE(panel->events, (QStringList{"began", "cancelled"}));
        QCOMPARE(scroll->contentOffset(), QPointF(0, 0));

        // A drag scrolls and does not tap.
        panel->events.clear();
        dispatcher.touchBegan(1, QPointF(50, 95));
        dispatcher.touchMoved(1, QPointF(50, 75));
        dispatcher.touchMoved(1, QPointF(50, -5));
        dispatcher.touchEnded(1, QPointF(50, -5));
        QCOMPARE(taps, 1);
        QCOMPARE(scroll->contentOffset(), QPointF(0, 100));
        QCOMPARE(panel->events, (QStringList{"began", "cancelled"}));

        // With scrolling off the same drag is neither a scroll nor a tap.
        scroll->setScrollEnabled(false);
        dispatcher.touchBegan(1, QPointF(50, 150));
        dispatcher.touchMoved(1, QPointF(50, 50));
        dispatcher.touchEnded(1, QPointF(50, 50));
        QCOMPARE(taps, 1);
        QCOMPARE(scroll->contentOffset(), QPointF(0, 100));
    }

    void aRecogniserMayDeleteItsViewInItsAction()
    {
        std::unique_ptr<View> root(new View(QRectF(0, 0, 100, 100)));
        auto *doomed = new View(QRectF(0, 0, 100, 100));
        root->addSubview(doomed);
        doomed->addGestureRecognizer(new TapGestureRecognizer([doomed](GestureRecognizer *) { delete doomed; }));
        TouchDispatcher dispatcher(root.get());
        dispatcher.touchBegan(1, QPointF(10, 10));
        dispatcher.touchEnded(1, QPointF(10, 10));
        QVERIFY(root->subviews().isEmpty());
        dispatcher.touchBegan(1, QPointF(10, 10));
        dispatcher.touchEnded(1, QPointF(10, 10));
    }
};

QTEST_MAIN(TestGestures)
#include "tst_gestures.moc"
