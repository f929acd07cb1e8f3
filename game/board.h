#pragma once

#include "game_state.h"
#include "platform.h"

#include <cstdint>
#include <string>

namespace brastola {

// Clears the row and draws its matches right-aligned, 9 points apart (one
// match_width), the selected ones (the leftmost) in the selected style.
void draw_row(Frontend &frontend, const GameState &state, int row);

// draw_row for rows 1 to 5 in order, rows out of play included.
void draw_board(Frontend &frontend, const GameState &state);

// A count as the labels show it: a blank, then the digits (a minus instead of
// the blank for a negative number).
std::string count_text(std::int16_t n);

// Count labels show the rows; remaining-count labels become empty.
void show_counts(Frontend &frontend, const GameState &state);

// How many matches a click at x selects in a row of `matches`, when the row's
// drawing area is scale_width wide (x and scale_width in the same unit). The
// width is cut into 23.5 slots; the slot 22 - matches + c selects c matches.
std::int16_t clicked_count(float x, float scale_width, std::int16_t matches);

}  // namespace brastola
