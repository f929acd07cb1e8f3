#pragma once

// Where to press on a row. Its drawing area, scale_width wide, is cut into
// 23.5 slots; the slot 22 - matches + count selects count of its matches.

namespace brastola::testing {

constexpr double slots_per_row = 23.5;

// The left edge of slot k, from the left of the drawing area.
inline double slot_left(int k, double scale_width)
{
    return k * scale_width / slots_per_row;
}

// The middle of the slot that selects `count` of a row's `matches`.
inline double slot_middle(int count, int matches, double scale_width)
{
    return (22 - matches + count + 0.5) * scale_width / slots_per_row;
}

}  // namespace brastola::testing
