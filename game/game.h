#pragma once

#include "game_state.h"
#include "platform.h"

#include <cstdint>

namespace brastola {

// The game behind the main window: its state and one method per event the
// window passes on. Each method runs to completion, showing its effects
// through the Frontend; the window calls them and never the other way round.
class Game {
public:
    Game(Frontend &frontend, Clock &clock, RandomSource &random);

    const GameState &state() const { return state_; }
    // Replaces the rows by any position, empty rows included, with nothing
    // selected, and shows it as a deal would. For tests.
    void set_position(const RowValues &matches);

    // Before the window is first displayed.
    void Form_Load();
    // At the first display and at every change of window state.
    void Form_Resize();

    void Option1_Click() { set_level(1); }
    void Option2_Click() { set_level(2); }
    void Option3_Click() { set_level(3); }
    void alto_Click() { choose_level(1); }
    void moderato_Click() { choose_level(2); }
    void basso_Click() { choose_level(3); }

    void menu_3r_Click() { set_row_count(3); }
    void menu_5r_Click() { set_row_count(5); }
    void menu_5_Click() { set_max_matches(5); }
    void menu_11_Click() { set_max_matches(11); }
    void menu_22_Click() { set_max_matches(22); }

    void Command1_Click() { new_game(state_.max_matches); }
    void menu1_1_Click() { new_game(row_limit); }
    void new_game(std::int16_t limit);

    // OK: the player's move and, unless it won, the computer's answer.
    void Command3_Click();

    void Command4_Click() { give_hint(true); }
    void menu1_2_Click() { give_hint(false); }

    // A mouse button went down at x on a row whose drawing area is
    // scale_width wide, both in the same unit.
    void Picture_MouseDown(int row, float x, float scale_width);

    // A key on a row that has the focus changes its selection as a click
    // would.
    void Picture_KeyDown(int row, RowKey key);

    // Selects `count` matches of the row, clamped to 0 .. its matches, and
    // nothing elsewhere, with every effect of a click that selects as many.
    void select_matches(int row, int count);

private:
    void set_level(std::int16_t level);
    void choose_level(std::int16_t level);
    void set_row_count(std::int16_t rows);
    void set_max_matches(std::int16_t limit);
    void give_hint(bool mark_as_shown);

    void take_selected();
    void computer_turn();
    void player_won();
    void computer_won();
    void redraw_after_move();
    void wait_since(double start, double seconds);

    GameState state_;
    Frontend &frontend_;
    Clock &clock_;
    RandomSource &random_;
};

}  // namespace brastola
