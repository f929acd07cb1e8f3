#pragma once

#include "platform.h"

#include <cstdint>

namespace brastola {

// 1 + floor(spread × rnd + offset), with the product and the sum formed in
// double precision. Every integer the game draws is made this way; the offsets
// just below 0.5 make the two end values half as likely as the others.
std::int16_t banded_draw(float rnd, double spread, double offset);

// A dealt row: 1 to limit matches.
std::int16_t deal_count(std::int16_t limit, RandomSource &random);

// The depth of the weakened test for one candidate move: 1 to 5 at level 2,
// 1 or 2 at level 3.
int check_depth(std::int16_t level, RandomSource &random);

}  // namespace brastola
