#pragma once

#include "game_state.h"
#include "platform.h"

namespace brastola {

// Puts the computer's move into state.selected, which must be all zero, for a
// position with at least one match. Level 1 plays a winning move whenever
// there is one; levels 2 and 3 judge each candidate with a weakened test of
// random depth. Without an accepted move it plays random_move.
void choose_computer_move(GameState &state, RandomSource &random, Clock &clock);

// A random legal move: reseeds from the clock, draws a row until it draws one
// with matches, then a count from 1 to all of them.
void random_move(GameState &state, RandomSource &random, Clock &clock);

}  // namespace brastola
