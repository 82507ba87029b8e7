#include "toolkit/Clock.h"

#include <QCoreApplication>
#include <cmath>

Clock &Clock::shared()
{
    static Clock *clock = new Clock; // lives for the whole process
    return *clock;
}

Clock::Clock()
{
    m_elapsed.start();
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, [this] { fireDue(now()); });
}

double Clock::now() const
{
    if (m_manual)
        return m_manualNow;
    return m_offset + m_elapsed.nsecsElapsed() / 1e9;
}

Clock::TimerId Clock::schedule(double delay, std::function<void()> fn, double repeatInterval)
{
    if (!std::isfinite(delay) || delay < 0)
        delay = 0;
    if (!std::isfinite(repeatInterval) || repeatInterval < 0)
        repeatInterval = 0;
    const TimerId id = m_nextId++;
    m_entries.emplace(id, Entry{now() + delay, repeatInterval, std::move(fn)});
    rearm();
    return id;
}

void Clock::cancel(TimerId id)
{
    m_entries.erase(id);
    rearm();
}

bool Clock::isScheduled(TimerId id) const { return m_entries.count(id) > 0; }

void Clock::setManual(bool manual)
{
    if (manual == m_manual)
        return;
    const double current = now();
    m_manual = manual;
    if (manual) {
        m_manualNow = current;
    } else {
        m_offset = current - m_elapsed.nsecsElapsed() / 1e9;
    }
    rearm();
}

void Clock::advance(double seconds)
{
    if (!m_manual || seconds < 0)
        return;
    const double target = m_manualNow + seconds;
    fireDue(target);
    m_manualNow = target;
}

void Clock::fireDue(double until)
{
    // Fire one entry at a time, earliest first: a callback may schedule or
    // cancel others.
    for (;;) {
        auto earliest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
            if (it->second.due <= until && (earliest == m_entries.end() || it->second.due < earliest->second.due))
                earliest = it;
        if (earliest == m_entries.end())
            break;
        if (m_manual)
            m_manualNow = std::max(m_manualNow, earliest->second.due);
        std::function<void()> fn = earliest->second.fn;
        if (earliest->second.interval > 0)
            earliest->second.due += earliest->second.interval;
        else
            m_entries.erase(earliest);
        fn();
    }
    rearm();
}

void Clock::rearm()
{
    if (m_manual || m_entries.empty()) {
        m_wake.stop();
        return;
    }
    double earliest = m_entries.begin()->second.due;
    for (const auto &[id, e] : m_entries)
        earliest = std::min(earliest, e.due);
    const double wait = std::max(0.0, earliest - now());
    m_wake.start(int(std::ceil(wait * 1000)));
}

void Timer::start(double interval, bool repeats, std::function<void()> fn)
{
    invalidate();
    if (repeats) {
        m_id = Clock::shared().schedule(interval, std::move(fn), interval);
    } else {
        // A one-shot timer forgets its id before it fires, so isValid() is
        // false inside and after the callback.
        m_id = Clock::shared().schedule(interval, [this, fn = std::move(fn)] {
            m_id = 0;
            fn();
        });
    }
}

void Timer::invalidate()
{
    if (m_id) {
        Clock::shared().cancel(m_id);
        m_id = 0;
    }
}

bool Timer::isValid() const { return m_id != 0 && Clock::shared().isScheduled(m_id); }
