// Filling the face strip: the largest category of the face library against
// "Normal" (the start-up category) and the smallest one, per fill and per
// fill with the strip's first paint, on a tablet editor (offscreen).
#include "editor/FaceStrip.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "toolkit/Stage.h"
#include "faces/RageFaceLibrary.h"
#include "toolkit/AppPaths.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRounds = 60;

struct Category {
    QString name;
    int faces = 0;
};


// Median milliseconds of one fill (and, with paint, the strip drawn after it).
double timeFill(PanelryViewController *editor, const QString &name, bool paint)
{
    const QString path = RageFaceLibrary::categoryPath(name);
    const QRect strip = editor->layout().faceStrip;
    QImage canvas(strip.size(), QImage::Format_ARGB32_Premultiplied);
    QList<double> times;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        bench::part<FaceStrip>(*editor).addFacesFromDirectory(path);
        if (paint) {
            QPainter painter(&canvas);
            editor->ui().stage->render(&painter, QRectF(), strip);
        }
        times << timer.nsecsElapsed() / 1e6;
    }
    return bench::medianOf(times);
}

}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    QApplication app(argc, argv);
    Device::setIdiom(Device::Idiom::Tablet);
    PanelryViewController editor;
    editor.show();
    Clock::shared().setManual(true);
    editor.selectPanel(bench::part<PanelRows>(editor).panels().first());
    Clock::shared().advance(1); // the strip faded in

    QList<Category> categories;
    for (const QString &name : RageFaceLibrary::categoryNames())
        categories.append({name, int(RageFaceLibrary::thumbnailPaths(AppPaths::resource("RageFaces/" + name)).size())});
    if (categories.isEmpty()) {
        std::fprintf(stderr, "bench_face_strip: no face library at %s\n", qPrintable(AppPaths::resourcesDir()));
        return 1;
    }
    auto byFaces = [](const Category &a, const Category &b) { return a.faces < b.faces; };
    const Category largest = *std::max_element(categories.begin(), categories.end(), byFaces);
    const Category smallest = *std::min_element(categories.begin(), categories.end(), byFaces);
    const auto named = std::find_if(categories.begin(), categories.end(), [](const Category &c) {
        return c.name == "Normal";
    });
    const Category normal = named != categories.end() ? *named : smallest;

    std::printf("face strip fill, tablet, median of %d fills\n", kRounds);
    for (bool paint : {false, true}) {
        const double big = timeFill(&editor, largest.name, paint);
        const double start = timeFill(&editor, normal.name, paint);
        const double small = timeFill(&editor, smallest.name, paint);
        std::printf("%s\n", paint ? "fill and first paint of the strip:" : "fill:");
        std::printf("  largest  %-10s %3d faces  %7.3f ms  (%.1f us per face)\n", qPrintable(largest.name),
                    largest.faces, big, 1000 * big / largest.faces);
        std::printf("  start-up %-10s %3d faces  %7.3f ms\n", qPrintable(normal.name), normal.faces, start);
        std::printf("  smallest %-10s %3d faces  %7.3f ms\n", qPrintable(smallest.name), smallest.faces, small);
        std::printf("  ratio largest / Normal   %.2f  (faces %.2f)\n", big / start, double(largest.faces) / normal.faces);
        std::printf("  ratio largest / smallest %.2f  (faces %.2f)\n", big / small,
                    double(largest.faces) / smallest.faces);
    }
    return 0;
}
