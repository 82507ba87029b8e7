// The canvas paints again only what changed. After a move, a rotation, a
// change of layer, a selection ending and a scroll, what is on the window
// (painted piece by piece) is exactly what painting it all afresh gives, and
// the pieces painted for a move or a turn cover the object's old and new
// boxes, not the window.
#include "editor/EditorFixture.h"

#include "toolkit/Screen.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace {
// Everything the canvas is asked to paint while it watches.
class PaintedRegion : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion region;
};

// A picture with detail everywhere, so that a piece left behind shows.
QImage stripes(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    QPainter painter(&picture);
    for (int x = 0; x < width; x += 6)
        painter.fillRect(x, 0, 6, height, QColor::fromHsv((x * 7) % 360, 200, 220));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(0, 0, width, height);
    painter.drawLine(width, 0, 0, height);
    return picture;
}

// The object's box on the window (the canvas's viewport has the window's
// coordinates), made whole pixels.
QRect boxOnScreen(const View *object) { return object->convertRect(object->bounds(), nullptr).toAlignedRect(); }
}

class TestRepaint : public QObject
{
    Q_OBJECT

    std::unique_ptr<EditorFixture> f;
    PaintedRegion painted;

    QWidget *canvas() const { return f->ui().stage->viewport(); }

    // Lets every posted update and paint happen.
    static void flush()
    {
        Animation::finishAll();
        for (int i = 0; i < 4; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

    QImage onScreen() const
    {
        return QGuiApplication::primaryScreen()->grabWindow(f->editor->winId()).toImage().convertToFormat(
            QImage::Format_RGB32);
    }

    // Runs the change and gives what the canvas painted for it.
    QRegion paintedFor(const std::function<void()> &change)
    {
        flush();
        painted.region = QRegion();
        change();
        flush();
        return painted.region;
    }

    // What was painted piece by piece is what a fresh full paint gives, and
    // the fresh paint covers every pixel (it fills only what no view covers).
    void compareWithFreshPaint(const char *what)
    {
        const QImage pieces = onScreen();
        QPainter(f->editor->backingStore()->paintDevice())
            .fillRect(QRect(canvas()->mapTo(f->editor.get(), QPoint()), canvas()->size()), Qt::magenta);
        canvas()->repaint();
        QVERIFY2(pieces == onScreen(), what);
    }

    void start(Device::Idiom idiom)
    {
        f = std::make_unique<EditorFixture>(idiom);
        Screen::setMainWindow(f->editor.get());
        f->editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->editor.get()));
        canvas()->installEventFilter(&painted);
        f->zoom(0);
        f->place(stripes(120, 90), QPointF(100, 80));
        f->place(stripes(200, 100), QPointF(180, 150));
    }

private slots:
    void cleanup() { f.reset(); }

    void eachChangeLeavesWhatAFreshPaintGives_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::addColumn<QString>("change");
        for (const char *change : {"move", "rotation", "front", "back", "deselected", "overview", "scrolled"})
            QTest::newRow(change) << Device::Idiom::Tablet << QString(change);
        QTest::newRow("move, phone: a half-scale canvas") << Device::Idiom::Phone << "move";
    }
    void eachChangeLeavesWhatAFreshPaintGives()
    {
        QFETCH(Device::Idiom, idiom);
        QFETCH(QString, change);
        start(idiom);
        ComicObject *object = f->selection().selectedComicObject(); // the upper one
        auto *below = qobject_cast<ComicObject *>(f->mode().selectedPanel()->subviews().first());
        const QRect before = boxOnScreen(object);
        const QPointF from = EditorFixture::centerOnScreen(object);
        const QPointF handle = EditorFixture::centerOnScreen(f->controls().rotateHandle);
        if (change == "front")
            below->select();
        if (change == "scrolled")
            f->editor->deselectPanel();
        const QRegion region = paintedFor([&] {
            if (change == "move")
                f->drag(from, {from + QPointF(20, 0), from + QPointF(43, 17)});
            else if (change == "rotation")
                f->drag(handle, {handle + QPointF(0, 20), handle + QPointF(-30, 60)});
            else if (change == "front")
                f->selection().bringObjectToFront();
            else if (change == "back")
                f->selection().sendObjectToBack();
            else if (change == "deselected")
                EditorFixture::settle(3.5); // the idle timer: border, controls, dimming go
            else if (change == "overview")
                f->editor->deselectPanel();
            else
                f->ui().scrollViewPanels->scrollBy(QPointF(0, -37));
        });
        if (change == "move" || change == "rotation") {
            QVERIFY(boxOnScreen(object) != before);
            QVERIFY(region.contains(before) && region.contains(boxOnScreen(object)));
            QVERIFY(region.boundingRect().width() * region.boundingRect().height()
                    < canvas()->width() * canvas()->height() / 2);
        }
        if (change == "front") {
            QCOMPARE(f->mode().selectedPanel()->subviews().last(), below);
            QVERIFY(region.contains(boxOnScreen(below)));
        }
        QCOMPARE(bool(f->selection().selectedComicObject()), change != "deselected" && change != "overview" && change != "scrolled");
        compareWithFreshPaint(qPrintable(change));
    }
};

QTEST_MAIN(TestRepaint)
#include "tst_repaint.moc"
