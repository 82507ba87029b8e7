// Start-up time: from process start to the editor's first painted window,
// against the same for a bare Qt window of the same size. Runs each case in
// fresh child processes (offscreen) and prints the medians and their ratio.
#include "app/PanelryAppDelegate.h"
#include "editor/PanelryViewController.h"
#include "toolkit/Device.h"
#include "toolkit/Stage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace {

// Prints the milliseconds since `clock` started when `widget` first paints,
// then quits.
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
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
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

double medianOf(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double runChild(const QString &self, const QString &mode, double *wall)
{
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PANELRY_HOME", home.path());
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
    QList<double> bare, editor, bareWall, editorWall;
    for (int i = 0; i < runs; ++i) {
        double wall = 0;
        bare << runChild(self, "bare", &wall);
        bareWall << wall;
        editor << runChild(self, "editor", &wall);
        editorWall << wall;
    }
    const double b = medianOf(bare), e = medianOf(editor);
    std::printf("first paint after process start (median of %d, offscreen):\n", runs);
    std::printf("  bare 768x1024 Qt window: %8.1f ms\n", b);
    std::printf("  Panelry editor:          %8.1f ms\n", e);
    std::printf("  ratio editor / bare:     %8.2f\n", b > 0 ? e / b : 0.0);
    std::printf("whole process, launch to exit: bare %.1f ms, editor %.1f ms, ratio %.2f\n", medianOf(bareWall),
                medianOf(editorWall), medianOf(bareWall) > 0 ? medianOf(editorWall) / medianOf(bareWall) : 0.0);
    return 0;
}
