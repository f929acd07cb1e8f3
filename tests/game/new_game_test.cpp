#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;

namespace {
const float top = std::nextafter(1.0f, 0.0f);
}

// The button deals up to the chosen maximum, the menu item always up to 22.
TEST(NewGame, LimitOfButtonAndMenu)
{
    const std::tuple<void (Game::*)(), void (Game::*)(), std::int16_t> cases[] = {
        {&Game::menu_5_Click, &Game::Command1_Click, 5},   {&Game::menu_11_Click, &Game::Command1_Click, 11},
        {&Game::menu_22_Click, &Game::Command1_Click, 22}, {&Game::menu_5_Click, &Game::menu1_1_Click, 22},
        {&Game::menu_11_Click, &Game::menu1_1_Click, 22},
    };
    for (auto [max_item, deal, limit] : cases) {
        StartedGame g;
        (g.game.*max_item)();
        g.platform.random_values = {top, 0.0f, top, 0.0f, top};
        (g.game.*deal)();
        EXPECT_EQ(g.game.state().matches, position({limit, 1, limit, 1, limit})) << limit;
    }
}

TEST(NewGame, FiveDrawsAndOneReseedEvenWithThreeRows)
{
    StartedGame g;
    g.game.menu_3r_Click();
    g.platform.now = 5000.25;
    g.platform.random_values = {0.0f, 0.5f, top, top, top};
    g.game.Command1_Click();
    EXPECT_EQ(g.game.state().matches, position({1, 11, 22, 0, 0}));
    EXPECT_EQ(g.platform.draws, 5);
    EXPECT_EQ(g.platform.seeds, std::vector<double>{5000.25});
}

// A deal in the middle of a game replaces everything the game had set.
TEST(NewGame, ResetsTheGame)
{
    StartedGame g;
    g.game.alto_Click();
    g.deal_position({3, 4, 5, 0, 0});
    g.platform.allow_unscripted_random = true;
    g.game.Command4_Click();
    g.game.Command3_Click();  // a helped move; the computer answers
    g.click(2, 1);
    g.game.Command4_Click();  // a selection, labelled, and the hint's mark
    GameState expected = g.game.state();
    ASSERT_EQ(expected.help_used, -1);
    ASSERT_EQ(expected.hint_shown, -1);

    g.deal({9, 8, 7, 6, 5});
    expected.matches = position({9, 8, 7, 6, 5});
    expected.selected.clear();
    expected.help_used = 0;
    expected.hint_shown = 0;  // a hint of the dropped game does not count
    expected.first_turn = -1;
    EXPECT_EQ(g.game.state(), expected);  // game_active, level, options kept
    EXPECT_FALSE(g.platform.is_enabled(Control::Menu_opzioni));
    expect_board_shows(g.platform, g.game.state());
    EXPECT_EQ(g.platform.remaining_labels(), Labels{});
}
