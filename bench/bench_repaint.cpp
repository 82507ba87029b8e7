// How much of the canvas is painted again when one object moves, against
// the canvas's pixels: a face dragged a few points at a time in a zoomed
// panel with three other faces (a comic of 20 rows x 8 faces), on a tablet
// and on a phone (half-scale canvas). Also when the selected object is
// dimmed away by the idle timer, and when the canvas scrolls.
#include "editor/ObjectSelection.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "objects/ComicObject.h"
#include "storage/UserDatabase.h"
#include "toolkit/Animation.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {
constexpr int kRows = 20;
constexpr int kSteps = 40;

// Adds up the pixels of every paint the canvas gets.
class PaintedPixels : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                pixels += double(r.width()) * r.height();
        return false;
    }
    double pixels = 0;
};

// The share of the canvas painted for each change, median over the steps.
double paintedShare(Stage *stage, PaintedPixels &counter, const std::function<void(int)> &change)
{
    const double viewport = double(stage->viewport()->width()) * stage->viewport()->height();
    QList<double> shares;
    for (int i = 0; i < kSteps; ++i) {
        qApp->processEvents();
        counter.pixels = 0;
        change(i);
        qApp->processEvents();
        shares << counter.pixels / viewport;
    }
    return bench::medianOf(shares);
}

void measure(Device::Idiom idiom, const char *name)
{
    Device::setIdiom(idiom);
    PanelryViewController editor;
    editor.show();
    qApp->processEvents();
    bench::buildFaceComic(editor, kRows);
    Stage *stage = editor.ui().stage;
    PaintedPixels counter;
    stage->viewport()->installEventFilter(&counter);

    const double scrolled = paintedShare(stage, counter, [&](int i) {
        editor.ui().scrollViewPanels->setContentOffset(QPointF(0, 100 + (i % 2)));
    });

    View *panel = bench::part<PanelRows>(editor).panels().at(2);
    editor.selectPanel(panel);
    Animation::finishAll();
    auto *face = qobject_cast<ComicObject *>(panel->subviews().first());
    // A finger on the face, past the touch slop: the drag has begun.
    TouchDispatcher &touches = stage->dispatcher();
    QPointF finger = face->convertPoint(face->bounds().center(), nullptr);
    touches.touchBegan(1, finger);
    finger += QPointF(12, 0);
    touches.touchMoved(1, finger);
    const double dragged = paintedShare(stage, counter, [&](int i) {
        finger += QPointF(i % 2 ? -3 : 4, 2);
        touches.touchMoved(1, finger);
    });
    touches.touchEnded(1, finger);

    const double dimmed = paintedShare(stage, counter, [&](int i) {
        if (i % 2)
            editor.deselectObject();
        else
            face->select();
        Animation::finishAll();
    });
    std::printf("%s: share of the canvas's pixels painted (median of %d changes)\n", name, kSteps);
    std::printf("  one object dragged a few points:  %6.3f\n", dragged);
    std::printf("  selecting / deselecting it:       %6.3f\n", dimmed);
    std::printf("  the canvas scrolled by a point:   %6.3f\n", scrolled);
}
}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    QApplication app(argc, argv);
    Clock::shared().setManual(true);
    UserDatabase::copyDBFile();
    measure(Device::Idiom::Tablet, "tablet");
    measure(Device::Idiom::Phone, "phone");
    return 0;
}
