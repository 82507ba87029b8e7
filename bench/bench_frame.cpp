// One frame of the tablet editor showing 24 faces (three rows of a comic of
// 20 rows x 8 faces, in the overview), against painting the same 24
// pictures, scaled beforehand to their size on screen, with one QPainter
// into an image of the window's size. Also a frame while the canvas scrolls
// (every face moves) and one of a zoomed panel with its four faces.
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "objects/ComicObjectImage.h"
#include "storage/UserDatabase.h"
#include "toolkit/Animation.h"
#include "toolkit/Clock.h"
#include "toolkit/Device.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {
constexpr int kRows = 20;
constexpr int kFirstShownRow = 8;
constexpr int kFrames = 200;

struct Timing {
    double reference, frame, ratio; // medians, milliseconds
};

// Times the reference drawing and the frame alternately, so that whatever
// else the machine does weighs on both alike; the ratio is the median of
// the ratios of each pair.
Timing timePairs(const std::function<void()> &reference, const std::function<void()> &frame)
{
    auto millisecondsOf = [](const std::function<void()> &work) {
        QElapsedTimer timer;
        timer.start();
        work();
        return timer.nsecsElapsed() / 1e6;
    };
    for (int i = 0; i < 10; ++i) { // warm caches
        reference();
        frame();
    }
    QList<double> references, frames, ratios;
    for (int i = 0; i < kFrames; ++i) {
        references << millisecondsOf(reference);
        frames << millisecondsOf(frame);
        ratios << frames.last() / references.last();
    }
    return {bench::medianOf(references), bench::medianOf(frames), bench::medianOf(ratios)};
}

struct Shown {
    QImage picture; // scaled to its size on screen
    QPointF at;
};

// The faces on screen, each scaled once to the size it is drawn at.
QList<Shown> shownFaces(PanelryViewController &editor)
{
    const QRectF window(QPointF(0, 0), QSizeF(editor.size()));
    const QRectF canvas = editor.ui().scrollViewPanels->convertRect(editor.ui().scrollViewPanels->bounds(), nullptr);
    QList<Shown> shown;
    for (View *panel : bench::part<PanelRows>(editor).panels())
        for (View *child : panel->subviews()) {
            auto *face = qobject_cast<ComicObjectImage *>(child);
            const QRectF box = face ? face->convertRect(face->bounds(), nullptr) : QRectF();
            if (!face || !canvas.contains(box) || !window.contains(box))
                continue;
            const QImage source = QImage(face->property("benchFile").toString());
            shown.append({source.scaled(box.size().toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                          box.topLeft()});
        }
    return shown;
}
}

int main(int argc, char **argv)
{
    bench::FreshHome home;
    QApplication app(argc, argv);
    Device::setIdiom(Device::Idiom::Tablet);
    Clock::shared().setManual(true);
    UserDatabase::copyDBFile();
    PanelryViewController editor;
    editor.show();
    app.processEvents();

    bench::buildFaceComic(editor, kRows);
    // Which file each face came from, for the reference drawing.
    const QStringList files = bench::faceFiles();
    int next = 0;
    for (View *panel : bench::part<PanelRows>(editor).panels())
        for (View *child : panel->subviews())
            child->setProperty("benchFile", files[next++ % files.size()]);

    ScrollView *panels = editor.ui().scrollViewPanels;
    panels->setContentOffset(QPointF(0, kFirstShownRow * EditorLayout::kRowHeight));
    Animation::finishAll();
    app.processEvents();

    const QList<Shown> shown = shownFaces(editor);
    QImage reference(editor.size(), QImage::Format_ARGB32_Premultiplied);
    const auto paintReference = [&] {
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const Shown &face : shown)
            painter.drawImage(face.at, face.picture);
    };

    // The stage covers the window; its viewport is what a frame paints.
    QWidget *canvas = editor.ui().stage->viewport();
    const Timing still = timePairs(paintReference, [&] { canvas->repaint(); });
    double offset = panels->contentOffset().y();
    double step = 1;
    const Timing scrolling = timePairs(paintReference, [&] {
        // Back and forth by a point: every face on screen moves.
        step = -step;
        offset += step;
        panels->setContentOffset(QPointF(0, offset));
        canvas->repaint();
    });

    editor.selectPanel(bench::part<PanelRows>(editor).panels().at(2 * kFirstShownRow));
    Animation::finishAll();
    app.processEvents();
    const Timing zoomed = timePairs(paintReference, [&] { canvas->repaint(); });

    std::printf("tablet window 768x1024, comic of %d rows x 8 faces, %lld faces on screen (median of %d frames)\n",
                kRows, qlonglong(shown.size()), kFrames);
    std::printf("  %lld pre-scaled pictures, one QPainter: %7.3f ms\n", qlonglong(shown.size()), still.reference);
    std::printf("  editor frame, overview:           %7.3f ms   ratio %5.2f\n", still.frame, still.ratio);
    std::printf("  editor frame, scrolling a point:  %7.3f ms   ratio %5.2f\n", scrolling.frame, scrolling.ratio);
    std::printf("  editor frame, zoomed panel:       %7.3f ms   ratio %5.2f\n", zoomed.frame, zoomed.ratio);
    return 0;
}
