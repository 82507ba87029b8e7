#pragma once
#include <algorithm>
#include <chrono>
#include <thread>

// How long a statement may wait for a database that another connection
// holds: a span of wall time, and optionally a number of retries.
struct FMBusyLimits
{
    std::chrono::milliseconds time;
    int retries = 0; // 0: no count limit
};

// The wait between two attempts of a statement that found the database busy
// or locked. It starts at 20 microseconds and doubles up to a few
// milliseconds, so a lock held for long (an autosave writing a large comic)
// does not spin a core, while a short one is still noticed within
// microseconds. The waiting ends at the limits: a lock that another program
// keeps must not hold the interface thread for as long as it likes.
class FMBusyBackoff
{
public:
    static constexpr std::chrono::microseconds firstDelay{20};
    static constexpr std::chrono::microseconds longestDelay{4000};

    explicit FMBusyBackoff(const FMBusyLimits &limits)
        : _deadline(Clock::now() + limits.time)
        , _retryLimit(limits.retries)
    {
    }

    // Sleeps before the next attempt (never past the time limit) and counts
    // it. False when the caller must give up instead: the time limit has
    // passed, or more retries than the count limit were made.
    bool pauseBeforeRetry()
    {
        const Clock::time_point now = Clock::now();
        if (now >= _deadline)
            return false;
        std::this_thread::sleep_for(std::min<Clock::duration>(_delay, _deadline - now));
        _delay = std::min(_delay * 2, longestDelay);
        ++_retries;
        return _retryLimit <= 0 || _retries <= _retryLimit;
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point _deadline;
    int _retryLimit;
    std::chrono::microseconds _delay = firstDelay;
    int _retries = 0;
};
