// Importing old saved comics: a single-canvas file of 50 comics with 10
// objects each (eight faces, a drawing and a text), imported as the
// saved-comics browser imports it. Milliseconds per comic, against the time
// of saving one such comic through the comic store (the whole automatic
// save, until written); and the longest step the interface thread takes
// meanwhile (goal: none over 50 ms, so the browser's spinner turns).
#include "editor/ComicStore.h"
#include "editor/PanelryViewController.h"
#include "oldcomics/OldComicImport.h"
#include "oldcomics/OldComicReader.h"
#include "storage/SavedComics.h"
#include "storage/StorageLaunch.h"
#include "support/OldComicFixture.h"
#include "toolkit/AppPaths.h"
#include "toolkit/UserDefaults.h"

#include "BenchSupport.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>

#include <cstdio>

namespace {
constexpr int kComics = 50;
constexpr int kRounds = 5;
constexpr double kRatioGoal = 2.0;
constexpr double kStepGoal = 50.0; // ms

QByteArray oldFile()
{
    using namespace OldComicFixture;
    QList<QByteArray> faces;
    for (const QString &path : bench::faceFiles()) {
        QFile face(path);
        if (face.open(QIODevice::ReadOnly))
            faces << face.readAll();
    }
    QList<Comic> comics;
    for (int c = 0; c < kComics; ++c) {
        QList<Object> objects;
        for (int k = 0; k < 8; ++k)
            objects << Object{"ImageObject", QRectF(20 + 70 * k, 30 + 240 * (k % 3), 150, 150),
                              QTransform().rotate(10 * k), faces.value((c * 8 + k) % faces.size())};
        objects << Object{"PaintObject", QRectF(0, 240, 640, 240), {}, faces.value(0)}
                << Object{"TextObject", QRectF(40, 600, 300, 60), {}, {}, {}, "Rage!"};
        comics << Comic{{}, {{QRectF(0, 0, 640, 720), objects}}};
    }
    return file(OldComicFiles::Generation::SingleCanvas, comics);
}

double importOnce(bench::TimedApplication &app, const QByteArray &bytes, double *longestStep, double *longestCpu,
                  QString *longestWhat)
{
    int imported = 0;
    QFile out(AppPaths::documentsDir() + "/SavedComics.plist");
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return -1;
    out.close();
    QEventLoop loop;
    QElapsedTimer timer;
    timer.start();
    app.longest = 0;
    app.longestCpu = 0;
    app.armed = true;
    QObject::connect(OldComicImport::start(), &OldComicImport::finished, &loop,
                     [&](const OldComicImport::Result &result) {
                         imported = result.imported;
                         loop.quit();
                     });
    loop.exec();
    app.armed = false;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    *longestCpu = std::max(*longestCpu, app.longestCpu);
    if (app.longest > *longestStep) {
        *longestStep = app.longest;
        *longestWhat = app.longestWhat;
    }
    QFile::remove(AppPaths::documentsDir() + "/ImportedSavedComics.plist");
    return imported == kComics ? ms : -1;
}
}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    bench::TimedApplication app(argc, argv);
    StorageLaunch::prepareAtLaunch();
    const QByteArray bytes = oldFile();
    // The editor is there first, as it is when its browser imports.
    PanelryViewController editor;

    QList<double> perComic;
    double longestStep = 0;
    double longestCpu = 0;
    QString longestWhat;
    for (int round = 0; round < kRounds; ++round) {
        const double ms = importOnce(app, bytes, &longestStep, &longestCpu, &longestWhat);
        if (ms < 0) {
            std::printf("the import did not bring in the %d comics\n", kComics);
            return 1;
        }
        perComic << ms / kComics;
    }

    // The same comic, saved through the store.
    ComicStore &store = editor.store();
    store.loadComicWithId(SavedComics::list().value(0).value("id").toInt());
    UserDefaults::setBool(true, "autosaveEnabled");
    QList<double> saves;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer timer;
        timer.start();
        store.saveComicToDevice(ComicStore::SaveKind::Timer);
        store.waitForSave();
        saves << double(timer.nsecsElapsed()) / 1e6;
    }

    // Its parts: reading the file (on a worker), and what is left, the
    // writing (on the interface thread).
    QList<double> reads;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        OldComicReader::read(bytes, OldComicFiles::Generation::SingleCanvas, AppPaths::documentsDir());
        reads << double(timer.nsecsElapsed()) / 1e6 / kComics;
    }

    const double import = bench::medianOf(perComic);
    const double read = bench::medianOf(reads);
    const double save = bench::medianOf(saves);
    std::printf("file: %d comics of 10 objects, %.1f MB\n", kComics, bytes.size() / 1e6);
    std::printf("import: %.2f ms per comic = %.2f x the %.2f ms of saving one through the store (goal: at most %.0f x)\n",
                import, import / save, save, kRatioGoal);
    std::printf("  of which reading %.2f ms per comic (worker), writing %.2f ms\n", read, import - read);
    std::printf("longest interface-thread step during the imports: %.1f ms = %.2f of the %.0f ms goal (%s);\n"
                "  the longest in the thread's own time: %.1f ms = %.2f of the goal\n",
                longestStep, longestStep / kStepGoal, kStepGoal, qPrintable(longestWhat), longestCpu,
                longestCpu / kStepGoal);
    return 0;
}
