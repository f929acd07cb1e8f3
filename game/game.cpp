#include "game.h"

#include "analysis.h"
#include "board.h"
#include "computer_player.h"
#include "draws.h"

#include <algorithm>
#include <array>

namespace brastola {

namespace {

constexpr double seconds_per_day = 86400.0;
constexpr double computer_move_pause = 1.0;
constexpr double defeat_picture_pause = 0.3;

constexpr std::array level_options = {Control::Option1, Control::Option2, Control::Option3};
constexpr std::array level_items = {Control::alto, Control::moderato, Control::basso};
constexpr std::array limit_items = {Control::menu_5, Control::menu_11, Control::menu_22};
constexpr std::array<std::int16_t, 3> limits = {5, 11, 22};

// Rows 4 and 5 with their labels, in the order they are hidden and shown.
constexpr std::array extra_row_controls = {
    Control::Picture4, Control::Label4, Control::Label9,
    Control::Picture5, Control::Label5, Control::Label10,
};

template <std::size_t N>
void check_only(Frontend &frontend, const std::array<Control, N> &group, Control marked)
{
    for (Control item : group)
        frontend.set_checked(item, item == marked);
}

}  // namespace

Game::Game(Frontend &frontend, Clock &clock, RandomSource &random)
    : frontend_(frontend), clock_(clock), random_(random)
{
}

void Game::Form_Load()
{
    frontend_.set_visible(Control::Picture6, false);
    state_.game_active = flag_false;
    // The picture's width in pixels serves as the spacing of the matches in
    // points: 9 points apart, 15 pixels at the design's 120 dots per inch,
    // leaving 6 pixels between pictures 9 pixels wide.
    state_.match_width = frontend_.load_match_image();
    for (int row = 1; row <= row_total; ++row)
        frontend_.set_caption(count_label(row), "0");
    for (int row = 1; row <= row_total; ++row)
        frontend_.set_caption(remaining_label(row), "");
    if (frontend_.select_option(Control::Option2))
        Option2_Click();
}

void Game::Form_Resize()
{
    // max_matches is 0 only before the first display, which sets the
    // start-up options. Later resizes (minimise, restore) keep the player's.
    if (state_.max_matches == 0) {
        frontend_.set_checked(Control::moderato, true);
        frontend_.set_checked(Control::menu_5r, true);
        frontend_.set_checked(Control::menu_22, true);
        state_.max_matches = row_limit;
    }
    state_.selected.clear();
    draw_board(frontend_, state_);
    show_counts(frontend_, state_);
}

void Game::set_level(std::int16_t level)
{
    state_.level = level;
    check_only(frontend_, level_items, level_items[level - 1]);
}

void Game::choose_level(std::int16_t level)
{
    if (frontend_.select_option(level_options[level - 1]))
        set_level(level);
    check_only(frontend_, level_items, level_items[level - 1]);
    frontend_.tell({Notice::Kind::level});
}

void Game::set_row_count(std::int16_t rows)
{
    state_.row_count = rows;
    frontend_.set_checked(Control::menu_3r, rows == 3);
    frontend_.set_checked(Control::menu_5r, rows == 5);
    for (Control control : extra_row_controls)
        frontend_.set_visible(control, rows == 5);
}

void Game::set_max_matches(std::int16_t limit)
{
    state_.max_matches = limit;
    for (std::size_t i = 0; i < limits.size(); ++i)
        if (limits[i] == limit)
            check_only(frontend_, limit_items, limit_items[i]);
}

void Game::new_game(std::int16_t limit)
{
    state_.help_used = flag_false;
    // A hint asked for in a dropped game must not count in the new one.
    state_.hint_shown = flag_false;
    frontend_.set_menu_enabled(Control::Menu_opzioni, false);
    state_.first_turn = flag_true;
    random_.reseed(clock_.seconds_since_midnight());
    // Five draws, one per row in order, also for rows about to be emptied.
    for (int row = 1; row <= row_total; ++row) {
        state_.matches[row] = deal_count(limit, random_);
        state_.selected[row] = 0;
    }
    if (state_.row_count == 3) {
        state_.matches[4] = 0;
        state_.matches[5] = 0;
    }
    draw_board(frontend_, state_);
    show_counts(frontend_, state_);
    frontend_.tell({Notice::Kind::dealt});
}

void Game::set_position(const RowValues &matches)
{
    state_.matches = matches;
    state_.selected.clear();
    redraw_after_move();
}

void Game::Command3_Click()
{
    if (state_.hint_shown == flag_true)
        state_.help_used = flag_true;
    state_.hint_shown = flag_false;

    if (!(state_.selected.sum() > 0) && state_.first_turn != flag_true) {
        frontend_.show_message(state_.game_active == flag_false ? "Inizia una nuova partita!"
                                                                : "Nessun fiammifero eliminato!");
        return;
    }

    // The player's move; an empty first move hands the turn to the computer.
    take_selected();
    state_.game_active = flag_true;
    state_.first_turn = flag_false;
    redraw_after_move();
    if (state_.matches.sum() == 0)
        player_won();
    else
        computer_turn();
}

void Game::take_selected()
{
    for (int row = 1; row <= row_total; ++row)
        state_.matches[row] = static_cast<std::int16_t>(state_.matches[row] - state_.selected[row]);
    state_.selected.clear();
}

void Game::redraw_after_move()
{
    draw_board(frontend_, state_);
    show_counts(frontend_, state_);
}

void Game::player_won()
{
    frontend_.show_picture(Control::Picture6, Control::fia_v);
    frontend_.set_visible(Control::Picture6, true);
    frontend_.show_message("HAI VINTO !!!");
    if (state_.help_used == flag_true)
        frontend_.show_message("LA PROSSIMA VOLTA PROVA A VINCERE SENZA AIUTO!!!");
    frontend_.set_menu_enabled(Control::Menu_opzioni, true);
    frontend_.set_visible(Control::Picture6, false);
    state_.game_active = flag_false;
}

void Game::computer_turn()
{
    frontend_.show_message("Computer: adesso tocca a me!");
    choose_computer_move(state_, random_, clock_);
    const double shown_at = clock_.seconds_since_midnight();
    draw_board(frontend_, state_);  // highlighted: the pause shows it
    wait_since(shown_at, computer_move_pause);
    Notice move{Notice::Kind::computer_move};
    for (int row = 1; row <= row_total; ++row)
        if (state_.selected[row] != 0)
            move = {Notice::Kind::computer_move, row, state_.selected[row]};
    take_selected();
    redraw_after_move();
    frontend_.tell(move);
    if (state_.matches.sum() == 0)
        computer_won();
}

void Game::computer_won()
{
    frontend_.show_picture(Control::Picture6, Control::fia_p0);
    frontend_.set_visible(Control::Picture6, true);
    for (Control holder : {Control::fia_p, Control::fia_p0, Control::fia_p}) {
        wait_since(clock_.seconds_since_midnight(), defeat_picture_pause);
        frontend_.show_picture(Control::Picture6, holder);
    }
    frontend_.show_message("HAI PERSO !!!");
    frontend_.set_menu_enabled(Control::Menu_opzioni, true);
    frontend_.set_visible(Control::Picture6, false);
    state_.game_active = flag_false;
}

void Game::wait_since(double start, double seconds)
{
    for (;;) {
        double elapsed = clock_.seconds_since_midnight() - start;
        if (elapsed < 0)
            elapsed += seconds_per_day;  // the clock went past midnight
        if (elapsed >= seconds)
            return;
        clock_.pause(seconds - elapsed);
    }
}

void Game::give_hint(bool mark_as_shown)
{
    if (mark_as_shown)
        state_.hint_shown = flag_true;
    const auto move = find_winning_move(state_.matches, full_test);
    if (move) {
        state_.selected.clear();
        state_.selected[move->row] = move->count;
    } else {
        frontend_.show_message("Non è possibile effettuare alcuna mossa vincente!");
    }
    draw_board(frontend_, state_);
    // Only the row with a selection shows what it would keep: a label left
    // over from an earlier selection would describe a move no longer there.
    for (int row = 1; row <= row_total; ++row) {
        const std::int16_t s = state_.selected[row];
        frontend_.set_caption(remaining_label(row),
                              s != 0 ? count_text(static_cast<std::int16_t>(state_.matches[row] - s)) : "");
    }
    if (move)
        frontend_.tell({Notice::Kind::hint, move->row, move->count});
}

void Game::Picture_MouseDown(int row, float x, float scale_width)
{
    select_matches(row, clicked_count(x, scale_width, state_.matches[row]));
}

void Game::Picture_KeyDown(int row, RowKey key)
{
    const int now = state_.selected[row];
    switch (key) {
    case RowKey::more: select_matches(row, now + 1); break;
    case RowKey::fewer: select_matches(row, now - 1); break;
    case RowKey::none: select_matches(row, 0); break;
    case RowKey::whole: select_matches(row, state_.matches[row]); break;
    }
}

void Game::select_matches(int row, int count)
{
    const std::int16_t old = state_.selected[row];
    const auto chosen = static_cast<std::int16_t>(std::clamp(count, 0, static_cast<int>(state_.matches[row])));
    state_.selected.clear();
    state_.selected[row] = chosen;
    draw_board(frontend_, state_);
    for (int r = 1; r <= row_total; ++r) {
        const auto kept = static_cast<std::int16_t>(state_.matches[r] - state_.selected[r]);
        frontend_.set_caption(remaining_label(r), r == row ? count_text(kept) : "");
    }
    // The hint's proposal stands only while the selection reproduces it.
    const bool keeps_hint = state_.hint_shown == flag_true && chosen == old && chosen != 0;
    state_.hint_shown = keeps_hint ? flag_true : flag_false;
    frontend_.tell({Notice::Kind::selection, row, chosen});
}

}  // namespace brastola
