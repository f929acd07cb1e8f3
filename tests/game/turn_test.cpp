#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;
using Messages = std::vector<std::string>;

namespace {

const char *const computer_turn = "Computer: adesso tocca a me!";

// A dealt game at the high difficulty, where the computer draws nothing.
struct Table : StartedGame {
    explicit Table(Counts counts)
    {
        game.alto_Click();
        deal_position(counts);
    }
};

// The player's turn again: nothing selected, the board and counts shown.
void expect_players_turn(StartedGame &g)
{
    EXPECT_EQ(g.game.state().selected, RowValues{});
    expect_board_shows(g.platform, g.game.state());
    EXPECT_EQ(g.platform.remaining_labels(), Labels{});
}

double since(double from, double to) { return std::fmod(to - from + 86400.0, 86400.0); }

}  // namespace

// A refused OK changes nothing but the hint bookkeeping.
TEST(Ok, RefusesToTakeNothing)
{
    enum Phase { before_any_game, after_a_win, during_a_game };
    for (Phase phase : {before_any_game, after_a_win, during_a_game})
        for (std::int16_t hint : {0, -1}) {
            StartedGame g;
            g.game.alto_Click();
            if (phase == after_a_win) {
                g.deal_position({0, 0, 2, 0, 0});
                g.click(3, 2);
                g.game.Command3_Click();
            } else if (phase == during_a_game) {
                g.deal_position({3, 4, 5, 0, 0});
                g.game.Command3_Click();  // the computer moves first
            }
            if (hint)  // no winning move on any of these boards: nothing selected
                g.game.Command4_Click();
            GameState expected = g.game.state();
            const auto captions = g.platform.captions;
            const auto rows = g.platform.rows;
            g.platform.messages.clear();
            g.game.Command3_Click();
            expected.help_used = hint == -1 ? -1 : expected.help_used;
            expected.hint_shown = 0;
            EXPECT_EQ(g.game.state(), expected);
            EXPECT_EQ(g.platform.messages,
                      Messages{phase == during_a_game ? "Nessun fiammifero eliminato!" : "Inizia una nuova partita!"});
            EXPECT_EQ(g.platform.captions, captions);
            EXPECT_EQ(g.platform.rows, rows);
        }
}

TEST(Ok, EmptyFirstOkHandsTheTurnToTheComputer)
{
    Table g({3, 4, 5, 0, 0});
    g.game.Command3_Click();
    EXPECT_EQ(g.platform.messages, Messages{computer_turn});
    EXPECT_EQ(g.game.state().matches, position({1, 4, 5, 0, 0}));
    EXPECT_EQ(g.game.state().first_turn, 0);
    EXPECT_EQ(g.game.state().game_active, -1);
    expect_players_turn(g);
}

TEST(Ok, PlayerWins)
{
    for (bool helped : {false, true}) {
        Table g({0, 0, 4, 0, 0});
        helped ? g.game.Command4_Click() : g.click(3, 4);
        g.platform.on_message = [&](const std::string &) {  // the sad computer on show
            EXPECT_TRUE(g.platform.is_visible(Control::Picture6));
            ASSERT_FALSE(g.platform.pictures.empty());
            EXPECT_EQ(g.platform.pictures.back().holder, Control::fia_v);
        };
        g.game.Command3_Click();
        Messages expected = {"HAI VINTO !!!"};
        if (helped)
            expected.push_back("LA PROSSIMA VOLTA PROVA A VINCERE SENZA AIUTO!!!");
        EXPECT_EQ(g.platform.messages, expected);
        EXPECT_FALSE(g.platform.is_visible(Control::Picture6));
        EXPECT_TRUE(g.platform.is_enabled(Control::Menu_opzioni));
        EXPECT_EQ(g.game.state().game_active, 0);
        EXPECT_EQ(g.game.state().matches, RowValues{});
        expect_board_shows(g.platform, g.game.state());
    }
}

TEST(Ok, ComputerWinsWithTheGrinningSequence)
{
    for (double start : {36000.0, 86398.9}) {  // the second crosses midnight
        Table g({0, 0, 0, 0, 3});
        g.platform.now = start;
        g.platform.pause_limit = 0.07;
        g.click(5, 2);
        g.platform.on_message = [&](const std::string &text) {  // after the four pictures
            if (text == "HAI PERSO !!!") {
                EXPECT_EQ(g.platform.pictures.size(), 4u);
                EXPECT_TRUE(g.platform.is_visible(Control::Picture6));
            }
        };
        g.game.Command3_Click();
        EXPECT_EQ(g.platform.messages, (Messages{computer_turn, "HAI PERSO !!!"}));
        const auto &shown = g.platform.pictures;
        ASSERT_EQ(shown.size(), 4u);
        const Control holders[] = {Control::fia_p0, Control::fia_p, Control::fia_p0, Control::fia_p};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(shown[i].holder, holders[i]);
        // The grin comes at once when the last match is gone, then each
        // picture follows the one before after 0.3 s.
        EXPECT_EQ(since(g.platform.cleared_at[4].back(), shown[0].at), 0.0) << start;
        for (int i = 1; i < 4; ++i) {
            const double step = since(shown[i - 1].at, shown[i].at);
            EXPECT_TRUE(step >= 0.3 - 1e-9 && step < 0.35) << start << ": " << step;
        }
        // Each wait asks for what is left of it: one pause for the move, at
        // most five for each 0.3 s step when a pause lets 0.07 s pass.
        EXPECT_LE(g.platform.pauses, 15 + 3 * 5);
        EXPECT_FALSE(g.platform.is_visible(Control::Picture6));
        EXPECT_TRUE(g.platform.is_enabled(Control::Menu_opzioni));
        EXPECT_EQ(g.game.state().game_active, 0);
        EXPECT_EQ(g.game.state().matches, RowValues{});
    }
}

// From 3, 4, 5 the player takes one match of row 3 and the computer answers
// by taking row 1, leaving 0, 4, 4. Its move stays highlighted on the screen
// for at least 1 s before it is taken, whatever the clock does.
TEST(Ok, ComputerMoveIsShownForOneSecond)
{
    struct Case {
        double start, pause_limit, draw_cost;
    };
    const Case cases[] = {
        {36000, 1e9, 0},    {36000, 0.07, 0},     // pauses that pass only part of the time
        {86399.6, 1e9, 0},  {86399.6, 0.07, 0},   // across midnight
        {36000, 1e9, 0.03}, {86399.9, 0.2, 0.03}, // the drawing time counts towards the second
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " " << c.pause_limit << " " << c.draw_cost);
        Table g({3, 4, 5, 0, 0});
        g.platform.now = c.start;
        g.platform.pause_limit = c.pause_limit;
        g.platform.draw_cost = c.draw_cost;
        g.click(3, 1);
        g.platform.on_message = [&](const std::string &) {  // the player's move already on show
            EXPECT_EQ(g.game.state().matches, position({3, 4, 4, 0, 0}));
            expect_board_shows(g.platform, g.game.state());
        };
        int pauses = 0;
        g.platform.during_pause = [&] {  // highlighted, straight to the screen, not yet taken
            ++pauses;
            EXPECT_EQ(g.game.state().matches, position({3, 4, 4, 0, 0}));
            EXPECT_EQ(g.platform.drawn(1, MatchStyle::selected), 3);
            EXPECT_EQ(g.platform.drawn(2, MatchStyle::plain) + g.platform.drawn(3, MatchStyle::plain), 8);
        };
        g.platform.cleared_at[0].clear();
        g.game.Command3_Click();
        EXPECT_EQ(g.platform.messages, Messages{computer_turn});
        // The wait asks for all the time that is left, not a little at a time.
        EXPECT_GE(pauses, 1);
        EXPECT_LE(pauses, std::ceil((1.0 - 1e-9) / std::min(c.pause_limit, 1.0)));
        // Row 1 is drawn for the player's move, the computer's highlighted
        // move, and the board once that is taken.
        const std::vector<double> &drawn = g.platform.cleared_at[0];
        ASSERT_EQ(drawn.size(), 3u);
        EXPECT_GE(since(drawn[1], drawn[2]), 1.0 - 1e-9);
        EXPECT_LT(since(drawn[1], drawn[2]), 1.05);
        EXPECT_EQ(g.game.state().matches, position({0, 4, 4, 0, 0}));
        expect_players_turn(g);
    }
}
