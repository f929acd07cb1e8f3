#include "draws.h"

#include <cmath>

namespace brastola {

std::int16_t banded_draw(float rnd, double spread, double offset)
{
    return static_cast<std::int16_t>(std::floor(spread * rnd + offset) + 1);
}

std::int16_t deal_count(std::int16_t limit, RandomSource &random)
{
    const float rnd = random.next();
    const float spread = static_cast<std::int16_t>(limit - 1);
    return banded_draw(rnd, spread, 0.49999);
}

int check_depth(std::int16_t level, RandomSource &random)
{
    return banded_draw(random.next(), level == 2 ? 4.0 : 1.0, 0.49999);
}

}  // namespace brastola
