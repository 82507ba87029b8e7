// Saving and loading a large comic: 10 double rows with 8 faces in each
// panel (160 objects). What the interface thread spends on an automatic
// save (the archive; the write runs on a worker) and on a manual one
// (archive and the thumbnail's drawing), the whole save, and the load with
// its parts: reading the row, decoding the archive, showing each object's
// picture (all read through one handle; the faces of one category, each
// decoded once) and putting the rows on the canvas.
#include "editor/ComicStore.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "objects/ComicArchive.h"
#include "storage/SavedComics.h"
#include "storage/StorageLaunch.h"
#include "toolkit/AppPaths.h"
#include "toolkit/UserDefaults.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int kRows = 10;
constexpr int kObjectsPerPanel = 8;
constexpr int kRounds = 15;
constexpr double kAutosaveGoal = 5.0;  // ms on the interface thread
constexpr double kLoadGoal = 200.0;    // ms

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(const std::function<double()> &measure)
{
    std::vector<double> values;
    for (int i = 0; i < kRounds; ++i)
        values.push_back(measure());
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("PANELRY_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    StorageLaunch::prepareAtLaunch();

    const QString facesDir = AppPaths::resource("RageFaces/Normal");
    const QStringList faces = QDir(facesDir).entryList({"*.png"}, QDir::Files);
    if (faces.isEmpty()) {
        std::printf("no faces in %s\n", qPrintable(facesDir));
        return 1;
    }

    PanelryViewController editor;
    editor.show();
    ComicStore &store = editor.store();
    PanelRows &rows = bench::part<PanelRows>(editor);
    while (rows.numberOfPanels() < kRows)
        rows.addDoublePanel();
    int placed = 0;
    for (View *panel : rows.panels()) {
        bench::part<PanelMode>(editor).selectPanel(panel);
        for (int i = 0; i < kObjectsPerPanel; ++i, ++placed)
            bench::placeAndWait(editor, QImage(facesDir + "/" + faces[placed % faces.size()]));
        editor.deselectPanel();
    }
    const int comicId = store.comicId();

    auto interfaceTime = [&](ComicStore::SaveKind kind) {
        return median([&] {
            const double ms = millisecondsOf([&] { store.saveComicToDevice(kind); });
            store.waitForSave();
            return ms;
        });
    };
    const double autosave = interfaceTime(ComicStore::SaveKind::Timer);
    const double manual = interfaceTime(ComicStore::SaveKind::Manual);
    const double wholeAutosave = median([&] {
        return millisecondsOf([&] {
            store.saveComicToDevice(ComicStore::SaveKind::Timer);
            store.waitForSave();
        });
    });
    const double archive = median([&] { return millisecondsOf([&] { ComicArchive::archivedComic(rows.panels()); }); });
    const QByteArray data = SavedComics::read(comicId)->data;

    const double read = median([&] { return millisecondsOf([&] { SavedComics::read(comicId); }); });
    const double decode = median([&] { return millisecondsOf([&] { ComicArchive::decodeComic(data); }); });
    const double load = median([&] { return millisecondsOf([&] { store.loadComicWithId(comicId); }); });
    // Without the save of the open comic that comes first.
    UserDefaults::setBool(false, "autosaveEnabled");
    const double loadOnly = median([&] { return millisecondsOf([&] { store.loadComicWithId(comicId); }); });

    int objects = 0;
    for (View *panel : rows.panels())
        objects += int(panel->subviews().size());
    std::printf("comic: %d rows, %d objects, archive %.1f kB\n", rows.numberOfPanels(), objects, data.size() / 1e3);
    std::printf("automatic save, interface thread: %.2f ms = %.2f of the %.0f ms goal (archive alone %.2f ms)\n",
                autosave, autosave / kAutosaveGoal, kAutosaveGoal, archive);
    std::printf("manual save, interface thread (archive and thumbnail): %.2f ms\n", manual);
    std::printf("whole automatic save, until written: %.2f ms = %.1f x its interface-thread part\n", wholeAutosave,
                wholeAutosave / autosave);
    std::printf("load: %.1f ms = %.2f of the %.0f ms goal; with the save of the open comic first: %.1f ms\n",
                loadOnly, loadOnly / kLoadGoal, kLoadGoal, load);
    std::printf("  of which read the row %.2f ms, decode %.2f ms; the rest joins %d objects and shows their pictures\n",
                read, decode, objects);
    return 0;
}
