#pragma once

#include "game_state.h"

#include <array>
#include <cstdint>
#include <optional>

namespace brastola {

// Column p (index p - 1) counts the rows whose binary digit of weight
// 2^(p - 1) is 1. Five columns cover counts of 0 to 31.
using ColumnCounts = std::array<std::int16_t, 5>;

ColumnCounts column_counts(const RowValues &position);

// The position is balanced: every column count is even.
bool full_test(const ColumnCounts &columns);

// Columns 1 to depth are even and so is the sum of all five. A weaker test
// for depths below 5; at depth 5 it equals full_test.
bool partial_test(const ColumnCounts &columns, int depth);

struct Move {
    int row = 0;
    std::int16_t count = 0;
    bool operator==(const Move &) const = default;
};

// Tries every move (rows 1 to 5, within a row 1 match up to all), calling
// accept exactly once per move in that order on the position the move leaves,
// and returns the last move accepted. Never stops early: a test that draws a
// random number draws once per match on the board.
template <typename Test>
std::optional<Move> find_winning_move(const RowValues &position, Test &&accept)
{
    std::optional<Move> found;
    for (int row = 1; row <= row_total; ++row) {
        for (std::int16_t count = 1; count <= position[row]; ++count) {
            RowValues after = position;
            after[row] = static_cast<std::int16_t>(after[row] - count);
            if (accept(column_counts(after)))
                found = Move{row, count};
        }
    }
    return found;
}

inline std::optional<Move> find_winning_move(const RowValues &position)
{
    return find_winning_move(position, full_test);
}

}  // namespace brastola
