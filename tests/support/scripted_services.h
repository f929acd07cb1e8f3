#pragma once

// Time and chance for window tests and benchmarks: pauses pass at once on a
// clock the test owns, and the generator returns scripted values, then a
// fixed-seed stream.

#include "deal_script.h"
#include "scripted_clock.h"
#include "services.h"

#include <deque>
#include <random>

namespace brastola::testing {

class ScriptedServices : public ScriptedClock, public RandomSource {
public:
    std::deque<float> values;

    ui::Services services() { return {this, this}; }

    void reseed(double) override {}
    float next() override
    {
        if (values.empty())
            return std::uniform_real_distribution<float>(0.0f, 0.99999994f)(stream_);
        const float v = values.front();
        values.pop_front();
        return v;
    }

    // The next menu deal gives exactly these counts.
    void script_deal(std::initializer_list<int> counts)
    {
        for (float v : deal_values(counts))
            values.push_back(v);
    }

private:
    std::mt19937 stream_{2026};
};

}  // namespace brastola::testing
