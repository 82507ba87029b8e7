#pragma once
#include <QObject>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <map>

// The one clock behind every timer, delayed call and animation. In normal
// running it follows real time; a test switches it to manual and moves time
// with advance(), which fires everything that falls due in order.
class Clock : public QObject
{
    Q_OBJECT
public:
    using TimerId = quint64;

    static Clock &shared();

    double now() const;
    // Calls fn after delay seconds, and every repeatInterval seconds after
    // that when repeatInterval > 0. Returns an id for cancel().
    TimerId schedule(double delay, std::function<void()> fn, double repeatInterval = 0);
    void cancel(TimerId id);
    bool isScheduled(TimerId id) const;

    void setManual(bool manual);
    bool isManual() const { return m_manual; }
    // Manual mode only: moves time forward, firing what falls due.
    void advance(double seconds);

private:
    Clock();
    struct Entry {
        double due;
        double interval;
        std::function<void()> fn;
    };
    void fireDue(double until);
    void rearm();

    std::map<TimerId, Entry> m_entries;
    TimerId m_nextId = 1;
    bool m_manual = false;
    double m_manualNow = 0;
    double m_offset = 0;
    QElapsedTimer m_elapsed;
    QTimer m_wake;
};

// A one-shot or repeating timer on the shared clock, stopped by invalidate()
// or when it is destroyed.
class Timer
{
public:
    Timer() = default;
    ~Timer() { invalidate(); }
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    void start(double interval, bool repeats, std::function<void()> fn);
    void invalidate();
    bool isValid() const;

private:
    Clock::TimerId m_id = 0;
};
