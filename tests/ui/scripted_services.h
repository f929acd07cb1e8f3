#pragma once

// Time and chance for window tests: pauses pass at once on a clock the test
// owns, and the generator returns scripted values, then a fixed-seed stream.

#include "services.h"

#include <cmath>
#include <deque>
#include <functional>
#include <random>

namespace brastola::testing {

class ScriptedServices : public Clock, public RandomSource {
public:
    double now = 10 * 3600.0;
    std::function<void()> during_pause;  // runs inside every pause
    std::deque<float> values;
    int pauses = 0;

    ui::Services services() { return {this, this}; }

    double seconds_since_midnight() override { return now; }
    void pause(double seconds) override
    {
        ++pauses;
        if (during_pause)
            during_pause();
        now = std::fmod(now + seconds, 86400.0);
    }
    void reseed(double) override {}
    float next() override
    {
        if (values.empty())
            return std::uniform_real_distribution<float>(0.0f, 0.99999994f)(stream_);
        const float v = values.front();
        values.pop_front();
        return v;
    }

    // The values that make a menu deal (limit 22) give exactly these counts.
    void script_deal(std::initializer_list<int> counts)
    {
        for (int c : counts)
            values.push_back(static_cast<float>((c - 1) / 21.0));
    }

private:
    std::mt19937 stream_{2026};
};

}  // namespace brastola::testing
