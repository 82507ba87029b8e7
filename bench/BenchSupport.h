#pragma once
// What several benchmarks share: medians, a photo-like picture, the
// process's memory, and a comic full of faces built through the editor's
// own placement.
#include "editor/ObjectSelection.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "editor/UndoHistory.h"
#include "faces/RageFaceLibrary.h"
#include "objects/ComicObject.h"
#include "toolkit/Animation.h"
#include "toolkit/AppPaths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>

namespace bench {

// One of the editor's collaborators (its children).
template <typename Part>
Part &part(const PanelryViewController &editor)
{
    return *editor.findChild<Part *>();
}

// Places a picture as the face strip does and waits until it is placed.
inline void placeAndWait(PanelryViewController &editor, const QImage &picture)
{
    QEventLoop placed;
    QObject::connect(part<UndoHistory>(editor).stack(), &QUndoStack::indexChanged, &placed, &QEventLoop::quit);
    part<Placement>(editor).addImageToComic(picture);
    placed.exec();
}

// A run offscreen in a fresh application home: made before the application.
class FreshHome
{
public:
    FreshHome()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("PANELRY_HOME", m_home.path().toUtf8());
    }
    QString path() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
};

// Times every event the interface thread handles while armed.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!armed)
            return QApplication::notify(receiver, event);
        // Named before the event: it may delete the receiver.
        const char *receiverClass = receiver->metaObject()->className();
        const int type = int(event->type());
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = threadCpuMilliseconds();
        const bool result = QApplication::notify(receiver, event);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        longestCpu = std::max(longestCpu, threadCpuMilliseconds() - cpuBefore);
        if (ms > longest) {
            longest = ms;
            longestWhat = QString("%1 to a %2").arg(type).arg(receiverClass);
        }
        return result;
    }
    // What the interface thread itself spent, whatever else the machine ran.
    static double threadCpuMilliseconds()
    {
        timespec t;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    bool armed = false;
    double longest = 0; // milliseconds
    double longestCpu = 0; // milliseconds of the thread's own time
    QString longestWhat; // event type and receiver
};

inline double medianOf(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Something like a photo: soft gradients, shapes and sensor noise, so that
// neither JPEG nor PNG find it unusually easy.
inline QImage syntheticPhoto(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(90, 140, 210));
    sky.setColorAt(0.6, QColor(230, 220, 200));
    sky.setColorAt(1, QColor(70, 110, 50));
    painter.fillRect(photo.rect(), sky);
    QRandomGenerator random(7);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 300; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 80 + random.bounded(120), 80 + random.bounded(170), 160));
        painter.drawEllipse(QPointF(random.bounded(width), random.bounded(height)), 20 + random.bounded(300),
                            20 + random.bounded(200));
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(random.bounded(9)) - 4;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return photo;
}

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
inline double statusMegabytes(const char *key)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The full-size faces of the start-up category, by name.
inline QStringList faceFiles()
{
    const QString folder = AppPaths::resource(RageFaceLibrary::categoryPath("Normal"));
    QStringList files;
    for (const QString &thumbnail : RageFaceLibrary::thumbnailPaths(folder))
        files << RageFaceLibrary::fullSizePath(thumbnail);
    return files;
}

// Where the k-th face of 150 points sits in a panel of this size: the first
// four in its corners, the next four at the middles of its edges, inside
// it, overlapping as faces in a full panel do.
inline QPointF faceCenter(const QSizeF &panel, int k)
{
    constexpr double inset = 76;
    const double w = panel.width(), h = panel.height();
    if (k >= 4)
        return QList<QPointF>{{w / 2, inset}, {w / 2, h - inset}, {inset, h / 2}, {w - inset, h / 2}}[k % 4];
    return QPointF(k % 2 == 0 ? inset : w - inset, k < 2 ? inset : h - inset);
}

// Fills the editor's comic to `rows` double rows, `faces` faces in every
// panel (up to eight), each placed as a tap on the face strip places it,
// then leaves panel mode.
inline void buildFaceComic(PanelryViewController &editor, int rows, int faces = 4)
{
    while (bench::part<PanelRows>(editor).numberOfPanels() < rows)
        bench::part<PanelRows>(editor).addDoublePanel();
    Animation::finishAll();
    const QStringList files = faceFiles();
    int next = 0;
    for (View *panel : bench::part<PanelRows>(editor).panels()) {
        if (panel->bounds().isEmpty())
            continue;
        editor.selectPanel(panel);
        Animation::finishAll();
        for (int k = 0; k < faces; ++k) {
            placeAndWait(editor, QImage(files[next++ % files.size()]));
            if (ComicObject *face = bench::part<ObjectSelection>(editor).selectedComicObject())
                face->setCenter(faceCenter(panel->bounds().size(), k));
        }
        editor.deselectObject();
        editor.deselectPanel();
        Animation::finishAll();
    }
}

}
