#pragma once

#include "platform.h"

#include <QElapsedTimer>

#include <random>

namespace brastola::ui {

// Time of day read once at start and carried on by a monotonic timer, so a
// pause is never cut short or stretched by a change of the system clock.
class SystemClock : public Clock {
public:
    SystemClock();
    double seconds_since_midnight() override;
    // Runs the event loop meanwhile: windows keep painting, the processor rests.
    void pause(double seconds) override;

private:
    double start_of_day_;
    QElapsedTimer elapsed_;
};

class SystemRandom : public RandomSource {
public:
    void reseed(double seconds_since_midnight) override;
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace brastola::ui
