#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;
using Messages = std::vector<std::string>;

namespace {

const char *const no_winning_move = "Non è possibile effettuare alcuna mossa vincente!";


}  // namespace

// Only the button marks the proposal; OK turns the mark into help. The menu
// item leaves an earlier mark as it was.
TEST(Hint, ButtonMarksTheProposalTheMenuItemDoesNot)
{
    for (auto [first, second, mark] : {std::tuple{&Game::Command4_Click, &Game::Command4_Click, -1},
                                       {&Game::menu1_2_Click, &Game::menu1_2_Click, 0},
                                       {&Game::Command4_Click, &Game::menu1_2_Click, -1}}) {
        StartedGame g;
        g.deal_position({3, 4, 5, 0, 0});
        g.platform.allow_unscripted_random = true;  // the computer's answer
        (g.game.*first)();
        (g.game.*second)();  // the same proposal again
        EXPECT_EQ(g.game.state().selected, position({2, 0, 0, 0, 0}));
        EXPECT_EQ(g.game.state().hint_shown, mark);
        expect_board_shows(g.platform, g.game.state());
        EXPECT_EQ(g.platform.remaining_labels(), (Labels{" 1", "", "", "", ""}));
        EXPECT_TRUE(g.platform.messages.empty());
        g.game.Command3_Click();
        EXPECT_EQ(g.game.state().help_used, mark);
    }
}

TEST(Hint, RefusedOkAfterTheButtonStillCountsAsHelp)
{
    StartedGame g;  // no game: the board is empty
    g.game.Command4_Click();
    g.game.Command3_Click();
    EXPECT_EQ(g.platform.messages, (Messages{no_winning_move, "Inizia una nuova partita!"}));
    EXPECT_EQ(g.game.state().help_used, -1);
    EXPECT_EQ(g.game.state().hint_shown, 0);
}

// In a balanced position the player's selection stays: the message comes
// first, then the board and the selection's label are shown again.
TEST(Hint, BalancedPositionKeepsTheSelection)
{
    StartedGame g;
    g.deal_position({3, 2, 1, 0, 0});
    g.click(1, 2);
    for (auto &row : g.platform.rows)
        row.clear();
    g.platform.on_message = [&](const std::string &) {
        for (int r = 1; r <= 5; ++r)
            EXPECT_TRUE(g.platform.row(r).empty()) << "drawn before the message, row " << r;
    };
    g.game.Command4_Click();
    EXPECT_EQ(g.platform.messages, Messages{no_winning_move});
    EXPECT_EQ(g.game.state().selected, position({2, 0, 0, 0, 0}));
    EXPECT_EQ(g.game.state().hint_shown, -1);
    expect_board_shows(g.platform, g.game.state());
    EXPECT_EQ(g.platform.remaining_labels(), (Labels{" 1", "", "", "", ""}));
}

// The proposal replaces a selection in another row, whose label no longer
// describes a move.
TEST(Hint, ProposalInAnotherRowEmptiesTheOldLabel)
{
    StartedGame g;
    g.deal_position({7, 6, 5, 0, 0});
    g.click(2, 2);
    g.game.Command4_Click();
    EXPECT_EQ(g.game.state().selected, position({0, 0, 4, 0, 0}));  // rows 1 and 2 win too
    expect_board_shows(g.platform, g.game.state());
    EXPECT_EQ(g.platform.remaining_labels(), (Labels{"", "", " 1", "", ""}));
}

TEST(Hint, WinAfterAChangedProposalIsNotHelped)
{
    StartedGame g;
    g.deal_position({0, 0, 3, 0, 0});
    g.game.Command4_Click();  // the whole row
    g.click(3, 2);
    g.click(3, 3);  // back to the proposal, but chosen by the player
    g.game.Command3_Click();
    EXPECT_EQ(g.platform.messages, Messages{"HAI VINTO !!!"});
}
