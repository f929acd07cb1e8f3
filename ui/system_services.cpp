#include "system_services.h"

#include "settling.h"
#include "services.h"

#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include <chrono>
#include <cmath>

namespace brastola::ui {

SystemClock::SystemClock() : start_of_day_(QTime::currentTime().msecsSinceStartOfDay() / 1000.0)
{
    elapsed_.start();
}

double SystemClock::seconds_since_midnight()
{
    return std::fmod(start_of_day_ + elapsed_.nsecsElapsed() / 1e9, 86400.0);
}

void SystemClock::pause(double seconds)
{
    settle_and_paint();
    QEventLoop loop;
    const auto wait = std::chrono::milliseconds(static_cast<long>(std::ceil(seconds * 1000.0)));
    QTimer::singleShot(wait, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void SystemRandom::reseed(double seconds_since_midnight)
{
    engine_.seed(static_cast<std::uint32_t>(std::llround(seconds_since_midnight * 1e6)));
}

float SystemRandom::next()
{
    // The top 24 bits fill a float's mantissa exactly: uniform and never 1.
    return static_cast<float>(engine_() >> 8) / 16777216.0f;
}

Services system_services()
{
    static SystemClock clock;
    static SystemRandom random;
    return {&clock, &random};
}

}  // namespace brastola::ui
