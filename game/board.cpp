#include "board.h"

#include <algorithm>
#include <cmath>

namespace brastola {

void draw_row(Frontend &frontend, const GameState &state, int row)
{
    frontend.clear_row(row);
    const std::int16_t m = state.matches[row];
    const std::int16_t s = state.selected[row];
    // Match i counts from the right end, so every row ends at the same place.
    for (int i = 1; i <= m; ++i) {
        const MatchStyle style = i > m - s ? MatchStyle::selected : MatchStyle::plain;
        frontend.draw_match(row, (22.5 - i) * state.match_width, 0, style);
    }
}

void draw_board(Frontend &frontend, const GameState &state)
{
    for (int row = 1; row <= row_total; ++row)
        draw_row(frontend, state, row);
}

std::string count_text(std::int16_t n)
{
    std::string text(n < 0 ? 0 : 1, ' ');
    return text += std::to_string(n);
}

void show_counts(Frontend &frontend, const GameState &state)
{
    for (int row = 1; row <= row_total; ++row)
        frontend.set_caption(count_label(row), count_text(state.matches[row]));
    for (int row = 1; row <= row_total; ++row)
        frontend.set_caption(remaining_label(row), "");
}

std::int16_t clicked_count(float x, float scale_width, std::int16_t matches)
{
    const float slot_width = static_cast<float>(static_cast<double>(scale_width) / 23.5);
    if (!(slot_width > 0.0f))
        return 0;  // a row without a drawing area has no slot to click
    // Slots outside 0 to 23 select what slots 0 and 23 select; clamping them
    // first keeps odd input (a NaN position) out of the conversion.
    double slot = std::floor(x / slot_width);
    slot = slot >= 0.0 ? std::min(slot, 23.0) : 0.0;
    const int count = static_cast<int>(slot) - static_cast<std::int16_t>(row_limit - matches);
    return static_cast<std::int16_t>(std::clamp(count, 0, static_cast<int>(matches)));
}

}  // namespace brastola
