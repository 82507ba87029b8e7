#pragma once
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// For the start-up benchmark. With PANELRY_QUIT_AFTER_FIRST_PAINT=<ms> set,
// the first paint of the watched widget prints the monotonic clock, the
// time since this clock was made and the processor time the process has
// used (nanoseconds, one line), then the application quits <ms> later; 0
// leaves at once, skipping the exit's work.
// Unset, it does nothing. Header only: the benchmark's bare window uses it
// without linking the toolkit.
class FirstPaintClock : public QObject
{
public:
    void watch(QWidget *widget)
    {
        if (qEnvironmentVariableIsSet(kQuitAfter))
            widget->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        watched->removeEventFilter(this);
        const Monotonic::time_point now = Monotonic::now();
        std::printf("%lld %lld %lld\n", static_cast<long long>(now.time_since_epoch().count()),
                    static_cast<long long>((now - m_made).count()),
                    static_cast<long long>(std::clock() * (1e9 / CLOCKS_PER_SEC)));
        std::fflush(stdout);
        const int quitAfterMs = qEnvironmentVariableIntValue(kQuitAfter);
        if (quitAfterMs == 0)
            std::_Exit(0);
        QTimer::singleShot(quitAfterMs, qApp, &QApplication::quit);
        return false;
    }

private:
    using Monotonic = std::chrono::steady_clock;
    static constexpr char kQuitAfter[] = "PANELRY_QUIT_AFTER_FIRST_PAINT";
    const Monotonic::time_point m_made = Monotonic::now();
};
