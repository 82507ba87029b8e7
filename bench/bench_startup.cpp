// Start-up time: from process start to the editor's first painted window,
// against the same for a bare Qt window of the same size that shows a
// toolbar with a line of text (so it pays the same font start-up). The
// editor is measured twice in each home: its first launch, which puts the
// user database in place, and a second launch, which finds it (and the
// never-saved comic of the first). Each case runs in fresh child processes
// (offscreen); the medians and their ratios are printed.
#include "app/PanelryAppDelegate.h"
#include "editor/PanelryViewController.h"
#include "toolkit/Device.h"
#include "toolkit/Stage.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kAfterFirstFrameMs = 400;

// Prints the milliseconds since `clock` started when `widget` first paints,
// then quits a little later: what a launch does right after its first frame
// happens before the process ends, as it would for a user.
class FirstPaint : public QObject
{
public:
    FirstPaint(const QElapsedTimer &clock) : m_clock(clock) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("%.3f\n", m_clock.nsecsElapsed() / 1e6);
            std::fflush(stdout);
            // For counting instructions to the first frame (perf stat): leave now.
            if (qEnvironmentVariableIsSet("BENCH_EXIT_AT_FIRST_PAINT"))
                std::_Exit(0);
            QTimer::singleShot(kAfterFirstFrameMs, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    bool m_done = false;
};

int child(const QString &mode, int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    FirstPaint watcher(clock);
    if (mode == "bare") {
        QWidget window;
        window.setFixedSize(768, 1024);
        auto *toolbar = new QToolBar;
        toolbar->addWidget(new QLabel("Tap a panel to begin"));
        (new QVBoxLayout(&window))->addWidget(toolbar, 0, Qt::AlignTop);
        window.installEventFilter(&watcher);
        window.show();
        return app.exec();
    }
    Device::setIdiom(Device::Idiom::Tablet);
    PanelryAppDelegate delegate;
    delegate.didFinishLaunching();
    // The canvas covers the window: its first paint is the window's.
    delegate.viewController()->ui().stage->viewport()->installEventFilter(&watcher);
    return app.exec();
}


double runChild(const QString &self, const QString &mode, const QString &home, double *wall)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PANELRY_HOME", home);
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(self, {"--child", mode});
    process.waitForFinished(60000);
    *wall = timer.nsecsElapsed() / 1e6;
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed().toDouble();
}

}

int main(int argc, char **argv)
{
    if (argc >= 3 && QString(argv[1]) == "--child")
        return child(argv[2], argc, argv);

    const QString self = QString::fromLocal8Bit(argv[0]);
    const int runs = 9;
    QList<double> bare, fresh, second, bareWall, freshWall, secondWall;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir home;
        double wall = 0;
        bare << runChild(self, "bare", home.path(), &wall);
        bareWall << wall;
        fresh << runChild(self, "editor", home.path(), &wall);
        freshWall << wall;
        second << runChild(self, "editor", home.path(), &wall);
        secondWall << wall;
    }
    const double b = bench::medianOf(bare), f = bench::medianOf(fresh), s = bench::medianOf(second);
    std::printf("first paint after process start (median of %d, offscreen):\n", runs);
    std::printf("  bare 768x1024 window with a toolbar and text: %8.1f ms\n", b);
    std::printf("  Panelry editor, fresh home:                   %8.1f ms   ratio %5.2f\n", f, b > 0 ? f / b : 0.0);
    std::printf("  Panelry editor, second launch:                %8.1f ms   ratio %5.2f\n", s, b > 0 ? s / b : 0.0);
    std::printf("whole process, launch to exit (%d ms after the first paint): bare %.1f ms, fresh %.1f ms, second %.1f ms\n",
                kAfterFirstFrameMs, bench::medianOf(bareWall), bench::medianOf(freshWall), bench::medianOf(secondWall));
    return 0;
}
