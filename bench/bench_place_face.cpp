// Placing a face as a tap on the face strip places it, in a launched
// application (its user database prepared as at launch): the longest single
// step the interface thread takes for one placement, from the tap until the
// new face is painted. Median and worst of many placements, each into a
// zoomed panel that holds up to three faces already (the fourth placed is
// undone before the next, unmeasured).
#include "app/PanelryAppDelegate.h"
#include "editor/FaceStrip.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/UndoHistory.h"
#include "faces/RageFaceImageView.h"
#include "toolkit/Device.h"
#include "toolkit/ScrollView.h"

#include "BenchSupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int kPlacements = 40;

void runEventsFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    bench::TimedApplication app(argc, argv);
    Device::setIdiom(Device::Idiom::Tablet);
    PanelryAppDelegate delegate;
    delegate.didFinishLaunching();
    PanelryViewController *editor = delegate.viewController();
    runEventsFor(500); // the launch is over
    editor->selectPanel(bench::part<PanelRows>(*editor).panels().first());
    runEventsFor(700); // the zoom has finished

    QList<RageFaceImageView *> tiles;
    for (View *child : editor->ui().scrollViewFaces->subviews())
        if (auto *tile = qobject_cast<RageFaceImageView *>(child))
            tiles << tile;
    if (tiles.isEmpty()) {
        std::printf("no face tiles in the strip\n");
        return 1;
    }

    QList<double> longest;
    double longestCpu = 0;
    QString worstWhat;
    View *panel = bench::part<PanelRows>(*editor).panels().first();
    for (int i = 0; i < kPlacements; ++i) {
        if (panel->subviews().size() >= 4) {
            for (int k = 0; k < 4; ++k)
                editor->undo();
            runEventsFor(400); // the removals have faded out
        }
        RageFaceImageView *tile = tiles[i % tiles.size()];
        app.longest = 0;
        app.longestCpu = 0;
        app.armed = true;
        QMetaObject::invokeMethod(
            &app, [editor, tile] { bench::part<FaceStrip>(*editor).addFaceToComic(tile); }, Qt::QueuedConnection);
        runEventsFor(60); // placed and painted
        app.armed = false;
        if (longest.isEmpty() || app.longest > *std::max_element(longest.begin(), longest.end()))
            worstWhat = app.longestWhat;
        longest << app.longest;
        longestCpu = std::max(longestCpu, app.longestCpu);
        if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
            std::printf("  %6.2f ms  %s\n", app.longest, qPrintable(app.longestWhat));
    }
    std::printf("placing a face from the strip, %d placements, longest interface-thread step:\n", kPlacements);
    std::printf("  median %.2f ms, worst %.2f ms (event %s; goal 8)\n", bench::medianOf(longest),
                *std::max_element(longest.begin(), longest.end()), qPrintable(worstWhat));
    std::printf("  the most CPU time the interface thread spent in one step: %.2f ms\n", longestCpu);
    return 0;
}
