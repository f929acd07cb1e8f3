#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;
using Kind = Notice::Kind;

// Each event a listening player must hear of is told once, with its numbers;
// what is no such event tells nothing.
TEST(Notices, EachEventIsToldOnce)
{
    StartedGame g;
    auto expect_told = [&](const std::function<void()> &action, std::vector<Notice> notices) {
        g.platform.notices.clear();
        action();
        EXPECT_EQ(g.platform.notices, notices);
    };
    expect_told([&] { g.game.Option1_Click(); }, {});  // a button is read by itself
    expect_told([&] { g.game.alto_Click(); }, {{Kind::level}});
    expect_told([&] { g.deal({7, 1, 3, 4, 5}); }, {{Kind::dealt}});
    expect_told([&] { g.game.Picture_KeyDown(1, RowKey::whole); }, {{Kind::selection, 1, 7}});
    expect_told([&] { g.click(3, 2); }, {{Kind::selection, 3, 2}});
    expect_told([&] { g.game.menu1_2_Click(); }, {{Kind::hint, 5, 4}});
    expect_told([&] { g.game.Form_Resize(); }, {});
    // 5 of 7 taken leaves 2, 1, 3, 4, 5: the computer balances it with 1 of
    // row 5, and tells it once the move is over, not before.
    g.game.select_matches(1, 5);
    g.platform.on_message = [&](const std::string &) { EXPECT_TRUE(g.platform.notices.empty()); };
    expect_told([&] { g.game.Command3_Click(); }, {{Kind::computer_move, 5, 1}});
    EXPECT_EQ(g.game.state().matches, position({2, 1, 3, 4, 4}));
    expect_told([&] { g.game.Command4_Click(); }, {});  // no winning move: the message says so
}
