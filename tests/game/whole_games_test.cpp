#include "fake_platform.h"

#include <random>

using namespace brastola;
using namespace brastola::testing;

namespace {

// What must hold after every action of the player.
void expect_invariants(StartedGame &g, int rows)
{
    const GameState &s = g.game.state();
    int selections = 0;
    for (int r = 1; r <= 5; ++r) {
        ASSERT_TRUE(s.matches[r] >= 0 && s.matches[r] <= (r > rows ? 0 : 22)) << "row " << r;
        ASSERT_TRUE(s.selected[r] >= 0 && s.selected[r] <= s.matches[r]) << "row " << r;
        selections += s.selected[r] != 0;
    }
    ASSERT_LE(selections, 1);
    expect_board_shows(g.platform, s);
}

}  // namespace

// Random players against every level, from every kind of deal, until someone
// takes the last match.
TEST(WholeGames, EveryGameEndsWithAWinner)
{
    std::mt19937 player(777);
    StartedGame g;
    g.platform.allow_unscripted_random = true;
    g.platform.seed_stream(4242);
    int games = 0, player_wins = 0;
    for (int round = 0; round < 50; ++round)
        for (auto level : {&Game::alto_Click, &Game::moderato_Click, &Game::basso_Click})
            for (int rows : {3, 5})
                for (int limit : {5, 11, 22, 0})  // 0: the menu item's deal
                    for (bool computer_first : {false, true}) {
                        (g.game.*level)();
                        rows == 3 ? g.game.menu_3r_Click() : g.game.menu_5r_Click();
                        if (limit == 5) g.game.menu_5_Click();
                        if (limit == 11) g.game.menu_11_Click();
                        if (limit == 22) g.game.menu_22_Click();
                        limit ? g.game.Command1_Click() : g.game.menu1_1_Click();
                        g.platform.messages.clear();
                        if (computer_first)
                            g.game.Command3_Click();
                        ASSERT_NO_FATAL_FAILURE(expect_invariants(g, rows));
                        for (int step = 0; g.game.state().matches.sum() > 0; ++step) {
                            ASSERT_LT(step, 5000) << "the game does not end";
                            const int row = std::uniform_int_distribution<int>(1, rows)(player);
                            const float x = std::uniform_real_distribution<float>(0, 202)(player);
                            switch (std::uniform_int_distribution<int>(0, 5)(player)) {
                            case 0: g.game.Command4_Click(); break;
                            case 1: g.game.menu1_2_Click(); break;
                            case 2: g.game.Command3_Click(); break;
                            default: g.game.Picture_MouseDown(row, x, 202);  // a row 202 points wide
                            }
                            ASSERT_NO_FATAL_FAILURE(expect_invariants(g, rows));
                        }
                        ++games;
                        const auto &m = g.platform.messages;
                        const bool won = std::find(m.begin(), m.end(), "HAI VINTO !!!") != m.end();
                        const bool lost = std::find(m.begin(), m.end(), "HAI PERSO !!!") != m.end();
                        ASSERT_NE(won, lost);
                        player_wins += won;
                        EXPECT_EQ(g.game.state().game_active, 0);
                        EXPECT_TRUE(g.platform.is_enabled(Control::Menu_opzioni));
                        EXPECT_FALSE(g.platform.is_visible(Control::Picture6));
                    }
    EXPECT_EQ(games, 2400);
    EXPECT_GT(player_wins, 0);
    EXPECT_LT(player_wins, games);
}
