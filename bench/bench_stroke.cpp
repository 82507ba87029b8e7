// One stroke segment (a 20-point move with a 10-point brush) on a 320 x 240
// drawing and on a 1280 x 960 one: the ratio of their costs should stay near
// 1, since each segment paints into the kept bitmap. For comparison, the
// same segments drawn the old way (the whole bitmap redrawn into a new one
// at every move). Then the time to finish a 320 x 240 drawing: its PNG and
// the UPDATE of its row.
#include "objects/ComicObjectDrawing.h"
#include "storage/PictureRows.h"
#include "storage/UserDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr int kSegments = 4000;
constexpr double kMove = 20;
constexpr double kBrush = 10;

// The finger's positions: 20-point moves zigzagging over the drawing.
std::vector<QPointF> path(const QSizeF &size)
{
    std::vector<QPointF> points;
    QPointF p(20, 20);
    double angle = 0.3;
    for (int i = 0; i <= kSegments; ++i) {
        points.push_back(p);
        QPointF next = p + kMove * QPointF(std::cos(angle), std::sin(angle));
        if (!QRectF(QPointF(10, 10), size - QSizeF(20, 20)).contains(next)) {
            angle += 2.0;
            next = p + kMove * QPointF(std::cos(angle), std::sin(angle));
        }
        p = next;
        angle += 0.05;
    }
    return points;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Microseconds per segment, painted by the drawing.
double segmentCost(const QSizeF &size)
{
    ComicObjectDrawing drawing(QRectF(QPointF(0, 0), size));
    drawing.setBrushColor(Qt::red);
    drawing.setBrushSize(kBrush);
    const std::vector<QPointF> points = path(size);
    drawing.touchesBegan({{1, points[0]}});
    std::vector<double> costs;
    QElapsedTimer timer;
    for (size_t i = 1; i < points.size(); ++i) {
        timer.start();
        drawing.touchesMoved({{1, points[i]}});
        costs.push_back(timer.nsecsElapsed() / 1e3);
    }
    return median(costs);
}

// The same segment the old way: a new bitmap, the old one drawn into it, the
// stroke on top.
double wholeRedrawCost(const QSizeF &size)
{
    QImage bitmap;
    const std::vector<QPointF> points = path(size);
    std::vector<double> costs;
    QElapsedTimer timer;
    for (size_t i = 1; i < points.size() / 8; ++i) {
        timer.start();
        QImage next(size.toSize(), QImage::Format_ARGB32_Premultiplied);
        next.fill(Qt::transparent);
        QPainter painter(&next);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!bitmap.isNull())
            painter.drawImage(QRectF(QPointF(0, 0), size), bitmap);
        painter.setPen(QPen(Qt::red, kBrush, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(points[i], points[i - 1]);
        painter.end();
        bitmap = next;
        costs.push_back(timer.nsecsElapsed() / 1e3);
    }
    return median(costs);
}

// Milliseconds for the PNG of a drawn-on 320 x 240 drawing, and for that
// plus the UPDATE of its row.
std::pair<double, double> finishCost()
{
    ComicObjectDrawing drawing(QRectF(0, 0, 320, 240));
    drawing.setBrushColor(Qt::blue);
    drawing.setBrushSize(kBrush);
    const std::vector<QPointF> points = path(QSizeF(320, 240));
    drawing.touchesBegan({{1, points[0]}});
    for (size_t i = 1; i < 200; ++i)
        drawing.touchesMoved({{1, points[i]}});
    drawing.setDatabaseId(PictureRows::insert(1, QByteArray()));
    std::vector<double> encode, finish;
    QElapsedTimer timer;
    for (int round = 0; round < 20; ++round) {
        timer.start();
        const QByteArray png = drawing.pngData();
        encode.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        if (!PictureRows::update(drawing.databaseId(), drawing.pngData()))
            std::fprintf(stderr, "bench_stroke: the row was not stored\n");
        finish.push_back(timer.nsecsElapsed() / 1e6);
        (void)png;
    }
    return {median(encode), median(finish)};
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("PANELRY_HOME", home.path().toUtf8());
    UserDatabase::copyDBFile();

    const double small = segmentCost(QSizeF(320, 240));
    const double large = segmentCost(QSizeF(1280, 960));
    std::printf("segment, 320 x 240:    %.1f us\n", small);
    std::printf("segment, 1280 x 960:   %.1f us\n", large);
    std::printf("ratio 1280x960 / 320x240: %.2f (goal <= 1.2)\n", large / small);

    const double oldSmall = wholeRedrawCost(QSizeF(320, 240));
    const double oldLarge = wholeRedrawCost(QSizeF(1280, 960));
    std::printf("whole-bitmap redraw, for comparison: %.1f us and %.1f us, ratio %.2f\n", oldSmall, oldLarge,
                oldLarge / oldSmall);

    const auto [encode, finish] = finishCost();
    std::printf("finishing a 320 x 240 drawing: PNG %.2f ms, PNG + UPDATE %.2f ms\n", encode, finish);
    return 0;
}
