#pragma once

// A position written the way people write it: the rows from top to bottom.

#include "game_state.h"

#include <array>
#include <cstdint>

namespace brastola::testing {

using Counts = std::array<std::int16_t, 5>;

inline RowValues position(Counts counts)
{
    RowValues p;
    for (int r = 1; r <= 5; ++r)
        p[r] = counts[r - 1];
    return p;
}

}  // namespace brastola::testing
