#pragma once
#include <algorithm>
#include <chrono>
#include <thread>

// The wait between two attempts of a statement that found the database busy
// or locked. It starts at 20 microseconds and doubles up to a few
// milliseconds, so a lock held for long (an autosave writing a large comic)
// does not spin a core, while a short one is still noticed within microseconds.
class FMBusyBackoff
{
public:
    static constexpr std::chrono::microseconds firstDelay{20};
    static constexpr std::chrono::microseconds longestDelay{4000};

    // Sleeps once and counts the retry.
    void wait()
    {
        std::this_thread::sleep_for(_delay);
        _delay = std::min(_delay * 2, longestDelay);
        ++_retries;
    }

    // True once more retries than limit have been made; a limit of 0 never ends.
    bool exceeded(int limit) const { return limit > 0 && _retries > limit; }

    int retries() const { return _retries; }

private:
    std::chrono::microseconds _delay = firstDelay;
    int _retries = 0;
};
