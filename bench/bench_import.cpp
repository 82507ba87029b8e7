// Importing old saved comics: a single-canvas file of 50 comics with 10
// objects each (eight faces, a drawing and a text), imported as the
// saved-comics browser imports it. Milliseconds per comic, against the time
// of saving one such comic through the comic store (the whole automatic
// save, until written); and the longest step the interface thread takes
// meanwhile (goal: none over 50 ms, so the browser's spinner turns).
#include "editor/ComicStore.h"
#include "editor/PanelryViewController.h"
#include "oldcomics/OldComicImport.h"
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

double importOnce(bench::TimedApplication &app, const QByteArray &bytes, double *longestStep, QString *longestWhat)
{
    QFile out(AppPaths::documentsDir() + "/SavedComics.plist");
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return -1;
    out.close();
    QEventLoop loop;
    QElapsedTimer timer;
    timer.start();
    app.longest = 0;
    app.armed = true;
    QObject::connect(OldComicImport::start(), &OldComicImport::finished, &loop, &QEventLoop::quit);
    loop.exec();
    app.armed = false;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (app.longest > *longestStep) {
        *longestStep = app.longest;
        *longestWhat = app.longestWhat;
    }
    QFile::remove(AppPaths::documentsDir() + "/ImportedSavedComics.plist");
    return ms;
}
}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    bench::TimedApplication app(argc, argv);
    StorageLaunch::prepareAtLaunch();
    const QByteArray bytes = oldFile();

    QList<double> perComic;
    double longestStep = 0;
    QString longestWhat;
    for (int round = 0; round < kRounds; ++round)
        perComic << importOnce(app, bytes, &longestStep, &longestWhat) / kComics;

    // The same comic, saved through the store.
    PanelryViewController editor;
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

    const double import = bench::medianOf(perComic);
    const double save = bench::medianOf(saves);
    std::printf("file: %d comics of 10 objects, %.1f MB\n", kComics, bytes.size() / 1e6);
    std::printf("import: %.2f ms per comic = %.2f x the %.2f ms of saving one through the store (goal: at most %.0f x)\n",
                import, import / save, save, kRatioGoal);
    std::printf("longest interface-thread step during the imports: %.1f ms = %.2f of the %.0f ms goal (%s)\n",
                longestStep, longestStep / kStepGoal, kStepGoal, qPrintable(longestWhat));
    return 0;
}
