#include "computer_player.h"

#include "analysis.h"
#include "draws.h"

namespace brastola {

namespace {

void select_only(GameState &state, const Move &move)
{
    state.selected.clear();
    state.selected[move.row] = move.count;
}

}  // namespace

void choose_computer_move(GameState &state, RandomSource &random, Clock &clock)
{
    std::optional<Move> move;
    if (state.level == 1) {
        move = find_winning_move(state.matches, full_test);
    } else {
        move = find_winning_move(state.matches, [&](const ColumnCounts &columns) {
            return partial_test(columns, check_depth(state.level, random));
        });
    }
    if (move)
        select_only(state, *move);
    else
        random_move(state, random, clock);
}

void random_move(GameState &state, RandomSource &random, Clock &clock)
{
    if (state.matches.sum() == 0)
        return;  // no legal move; drawing rows would never end
    random.reseed(clock.seconds_since_midnight());
    int row = 0;
    do {
        row = banded_draw(random.next(), 4.0, 0.4999);
    } while (state.matches[row] == 0);
    const std::int16_t available = state.matches[row];
    const std::int16_t count =
        banded_draw(random.next(), static_cast<std::int16_t>(available - 1), 0.4999);
    select_only(state, Move{row, count});
}

}  // namespace brastola
