#pragma once

// A clock the test owns: it stands still until the game pauses, and a pause
// lets the time asked for pass at once.

#include "platform.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace brastola::testing {

class ScriptedClock : public Clock {
public:
    double now = 10 * 3600.0;            // seconds since midnight
    double pause_limit = 1e9;            // at most this much of a requested pause passes
    std::function<void()> during_pause;  // runs inside every pause, before time passes
    int pauses = 0;

    double seconds_since_midnight() override { return now; }
    void pause(double seconds) override
    {
        ++pauses;
        if (during_pause)
            during_pause();
        // Time always moves on: a pause that let none pass would turn a wrong
        // wait into a hang instead of a failed check.
        advance(std::max(std::min(seconds, pause_limit), shortest_pause));
    }
    void advance(double seconds) { now = std::fmod(now + seconds, 86400.0); }

    static constexpr double shortest_pause = 0.001;
};

}  // namespace brastola::testing
