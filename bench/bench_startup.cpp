// Start-up time: from the exec of the process to the editor's first painted
// window, against the same for a bare Qt window of the same size that shows
// a toolbar with a line of text (bench/bare_window.cpp, a program linking
// only Qt Widgets). The clock starts in this process right before the child
// is started, so the dynamic loader's work, which a user waits for too, is
// counted. The editor is the real binary, measured twice in each home: its
// first launch, which puts the user database in place, and a second launch,
// which finds it (and the never-saved comic of the first). Each case runs in
// fresh processes (offscreen); the medians and their ratios are printed,
// with the time from main() to the first paint beside them, and the
// processor time each used to its first paint, which a loaded machine
// disturbs less than the clock.
//
// Both programs print the monotonic clock at their first paint when
// PANELRY_QUIT_AFTER_FIRST_PAINT is set (toolkit/FirstPaintClock.h). Setting
// it to 0 by hand ends them there, for counting instructions to the first
// frame: PANELRY_QUIT_AFTER_FIRST_PAINT=0 perf stat -e instructions panelry
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

namespace {
constexpr char kAfterFirstPaintMs[] = "400";

struct Launch {
    double toFirstPaint = 0; // ms from exec
    double fromMain = 0;     // ms from main()
    double processor = 0;    // ms of processor time to the first paint
    double wall = 0;         // ms from exec to exit
};

Launch run(const QString &program, const QString &home)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PANELRY_HOME", home);
    env.insert("PANELRY_QUIT_AFTER_FIRST_PAINT", kAfterFirstPaintMs);
    process.setProcessEnvironment(env);
    process.setProgram(program);
    const auto started = std::chrono::steady_clock::now();
    process.start();
    process.waitForFinished(60000);
    Launch launch;
    launch.wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    const QStringList clocks = QString::fromLatin1(process.readAllStandardOutput()).split(' ');
    if (clocks.size() != 3) {
        std::fprintf(stderr, "%s printed no first paint\n", qPrintable(program));
        return launch;
    }
    launch.toFirstPaint = (clocks[0].toLongLong() - started.time_since_epoch().count()) / 1e6;
    launch.fromMain = clocks[1].toLongLong() / 1e6;
    launch.processor = clocks[2].toLongLong() / 1e6;
    return launch;
}

struct Medians {
    QList<Launch> launches;
    double of(double Launch::*figure) const
    {
        QList<double> values;
        for (const Launch &l : launches)
            values << l.*figure;
        return bench::medianOf(values);
    }
};

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString bare = dir + "/bare_window", panelry = PANELRY_BINARY;
    const int runs = 9;
    Medians b, f, s;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir home;
        b.launches << run(bare, home.path());
        f.launches << run(panelry, home.path());
        s.launches << run(panelry, home.path());
    }
    const double bareMs = b.of(&Launch::toFirstPaint), bareProcessor = b.of(&Launch::processor);
    auto line = [&](const char *what, const Medians &m) {
        const double ms = m.of(&Launch::toFirstPaint), processor = m.of(&Launch::processor);
        std::printf("  %-46s %8.1f ms   ratio %5.2f   (from main() %6.1f ms; processor %6.1f ms, ratio %5.2f)\n",
                    what, ms, bareMs > 0 ? ms / bareMs : 0.0, m.of(&Launch::fromMain), processor,
                    bareProcessor > 0 ? processor / bareProcessor : 0.0);
    };
    std::printf("first paint after the exec of the process (median of %d, offscreen):\n", runs);
    line("bare 768x1024 window with a toolbar and text:", b);
    line("Panelry editor, fresh home:", f);
    line("Panelry editor, second launch:", s);
    std::printf("whole process, exec to exit (%s ms after the first paint): bare %.1f ms, fresh %.1f ms, second %.1f ms\n",
                kAfterFirstPaintMs, b.of(&Launch::wall), f.of(&Launch::wall), s.of(&Launch::wall));
    return 0;
}
