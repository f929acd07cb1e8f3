#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace brastola {

// True is -1, all sixteen bits set, so that each flag value is the bitwise
// complement of the other and a flag combines with & and | as a boolean does.
constexpr std::int16_t flag_true = -1;
constexpr std::int16_t flag_false = 0;
static_assert(static_cast<std::int16_t>(~flag_true) == flag_false);

constexpr int row_total = 5;
constexpr std::int16_t row_limit = 22;  // no row ever holds more matches

// One 16-bit value per row, indexed by row number 1 (top) to 5.
class RowValues {
public:
    std::int16_t &operator[](int row)
    {
        assert(row >= 1 && row <= row_total);
        return values_[row - 1];
    }
    std::int16_t operator[](int row) const
    {
        assert(row >= 1 && row <= row_total);
        return values_[row - 1];
    }
    std::int16_t sum() const
    {
        std::int16_t total = 0;
        for (std::int16_t v : values_)
            total = static_cast<std::int16_t>(total + v);
        return total;
    }
    void clear() { values_.fill(0); }
    bool operator==(const RowValues &) const = default;

private:
    std::array<std::int16_t, row_total> values_{};
};

// Every variable of a game. Plain data: the handlers of Game read and write it.
struct GameState {
    std::int16_t help_used = 0;    // OK was pressed while a hint stood
    std::int16_t hint_shown = 0;   // the hint button's proposal stands
    std::int16_t max_matches = 0;  // deal limit of "Nuova partita"; 0 until first display
    std::int16_t row_count = 0;    // 3 or 5; 0 (not chosen yet) plays as 5
    std::int16_t game_active = 0;  // a move has been applied and the game has not ended
    std::int16_t first_turn = 0;   // dealt, no move applied: an empty OK hands over the turn
    std::int16_t level = 0;        // 1 high, 2 moderate, 3 low
    std::int16_t match_width = 0;  // match spacing in points
    RowValues matches;
    RowValues selected;

    bool operator==(const GameState &) const = default;
};

static_assert(sizeof(GameState) == 18 * sizeof(std::int16_t));

}  // namespace brastola
