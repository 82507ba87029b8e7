// The view tree: which view a touch finds, who owns a view taken out of the
// tree, and a view deleted while its touch is dispatched.
#include "toolkit/Clock.h"
#include "toolkit/GestureRecognizer.h"
#include "toolkit/HeldView.h"
#include "toolkit/TouchDispatcher.h"
#include "toolkit/View.h"

#include <QPointer>
#include <QtTest>
#include <memory>

class TestViewGeometry : public QObject
{
    Q_OBJECT
private slots:
    void init() { Clock::shared().setManual(true); }

    void hitTestFindsTheDeepestTouchableView()
    {
        std::unique_ptr<View> root(new View(QRectF(0, 0, 300, 300)));
        auto *a = new View(QRectF(0, 0, 200, 200));
        auto *b = new View(QRectF(50, 50, 100, 100));
        root->addSubview(a);
        a->addSubview(b);
        QCOMPARE(root->hitTest(QPointF(60, 60)), b);
        QCOMPARE(root->hitTest(QPointF(10, 10)), a);
        b->setUserInteractionEnabled(false);
        QCOMPARE(root->hitTest(QPointF(60, 60)), a);
        b->setUserInteractionEnabled(true);
        b->setAlpha(0);
        QCOMPARE(root->hitTest(QPointF(60, 60)), a);
        b->setAlpha(1);
        // The last child is on top.
        auto *c = new View(QRectF(0, 0, 200, 200));
        a->addSubview(c);
        QCOMPARE(root->hitTest(QPointF(60, 60)), c);
        a->sendSubviewToBack(c);
        QCOMPARE(root->hitTest(QPointF(60, 60)), b);
        a->bringSubviewToFront(c);
        // A zero-size view is never hit.
        auto *placeholder = new View(QRectF());
        root->addSubview(placeholder);
        QCOMPARE(root->hitTest(QPointF(0, 0)), c);
    }

    void theTreeOwnsItsViewsAndAStepOwnsWhatItTookOut()
    {
        std::unique_ptr<View> root(new View(QRectF(0, 0, 100, 100)));
        auto *kept = new View(QRectF(0, 0, 10, 10));
        auto *grandchild = new View(QRectF(0, 0, 5, 5));
        auto *dropped = new View(QRectF(0, 0, 10, 10));
        root->addSubview(kept);
        kept->addSubview(grandchild);
        root->addSubview(dropped);
        QPointer<View> watchKept(kept), watchGrandchild(grandchild), watchDropped(dropped);

        {
            // A step owns what it took out while it is still out; a view
            // put back belongs to the tree again, and a step that is not the
            // owner never deletes, even what is out of the tree.
            HeldView puttingBack(kept, true);
            HeldView takingOut(dropped, true);
            kept->removeFromSuperview();
            dropped->removeFromSuperview();
            QCOMPARE(grandchild->superview(), kept);
            root->insertSubview(kept, 0);
            { HeldView notOwner(dropped, false); }
            QVERIFY(watchDropped);
        }
        QVERIFY(watchKept);
        QVERIFY(!watchDropped);
        QCOMPARE(root->subviews(), QList<View *>{kept});

        root.reset();
        QVERIFY(!watchKept);
        QVERIFY(!watchGrandchild);
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

QTEST_MAIN(TestViewGeometry)
#include "tst_view_geometry.moc"
