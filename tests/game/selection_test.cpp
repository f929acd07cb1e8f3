#include "board.h"
#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;

// Slot k runs from k·w up to, not including, (k + 1)·w, where w is the width
// over 23.5, and selects k - (22 - n) matches, clamped to 0 .. n. The widths
// make w exact (10 and 5 points).
TEST(ClickedCount, SlotGeometry)
{
    for (float width : {235.0f, 117.5f}) {
        const float w = width / 23.5f;
        for (std::int16_t n : {0, 1, 7, 21, 22})
            for (int k = 0; k <= 23; ++k) {
                auto expected = [n](int slot) { return std::clamp(slot - 22 + n, 0, static_cast<int>(n)); };
                EXPECT_EQ(clicked_count(k * w, width, n), expected(k)) << width << " " << n << " " << k;
                EXPECT_EQ(clicked_count(std::nextafter(k * w, -1.0f), width, n), expected(k - 1))
                    << "below, " << width << " " << n << " " << k;
            }
        // The last point of the half slot 23 still takes the whole row.
        EXPECT_EQ(clicked_count(std::nextafter(width, 0.0f), width, 9), 9);
    }
}

TEST(ClickedCount, OddInputSelectsNothing)
{
    for (std::int16_t n : {0, 7, 22})
        for (auto [x, width] : {std::pair{-1.0f, 235.0f}, {-1e6f, 235.0f}, {0.0f, 0.0f}, {5.0f, 0.0f}, {300.0f, 0.0f}})
            EXPECT_EQ(clicked_count(x, width, n), 0) << x << " " << width << " " << n;
}

TEST(PictureMouseDown, SelectsInOneRowAndLabelsIt)
{
    StartedGame g;
    g.deal({5, 7, 9, 3, 4});
    g.click(2, 3);
    g.click(4, 2);  // drops the selection of row 2
    EXPECT_EQ(g.game.state().selected, position({0, 0, 0, 2, 0}));
    expect_board_shows(g.platform, g.game.state());
    EXPECT_EQ(g.platform.remaining_labels(), (Labels{"", "", "", " 1", ""}));
    g.click(4, 0);  // left of the row's matches
    EXPECT_EQ(g.game.state().selected, RowValues{});
    EXPECT_EQ(g.platform.caption(Control::Label9), " 3");
}

// The hint's mark survives only clicks that reproduce its proposal.
TEST(PictureMouseDown, KeepsTheHintMarkOnlyForTheSameSelection)
{
    StartedGame g;
    g.deal_position({3, 4, 5, 0, 0});
    g.game.Command4_Click();  // proposes 2 matches of row 1
    ASSERT_EQ(g.game.state().selected, position({2, 0, 0, 0, 0}));
    for (auto [count, mark] : {std::pair{2, -1}, {2, -1}, {1, 0}, {2, 0}}) {
        g.click(1, count);
        EXPECT_EQ(g.game.state().hint_shown, mark) << count;
    }
    g.game.Command4_Click();
    g.click(2, 2);  // another row
    EXPECT_EQ(g.game.state().hint_shown, 0);

    // Balanced: the hint selects nothing, and clicking nothing again does not
    // reproduce a proposal.
    g.deal_position({1, 2, 3, 0, 0});
    g.game.Command4_Click();
    g.click(1, 0);
    EXPECT_EQ(g.game.state().hint_shown, 0);
}

// A key selection is a click that selects as many: the same state, labels
// and drawing, whatever the count asked for.
TEST(SelectMatches, DoesWhatTheClickForThatCountDoes)
{
    for (int count : {-1, 0, 1, 4, 7, 8, 30}) {
        StartedGame keyed, clicked;
        for (StartedGame *g : {&keyed, &clicked}) {
            g->deal({5, 7, 9, 3, 4});
            g->click(1, 2);  // a selection elsewhere, to be dropped
        }
        keyed.game.select_matches(2, count);
        clicked.click(2, std::clamp(count, 0, 7));
        EXPECT_EQ(keyed.game.state(), clicked.game.state()) << count;
        EXPECT_EQ(keyed.platform.captions, clicked.platform.captions) << count;
        EXPECT_EQ(keyed.platform.rows, clicked.platform.rows) << count;
        EXPECT_EQ(keyed.game.state().selected, position({0, static_cast<std::int16_t>(std::clamp(count, 0, 7)), 0, 0, 0}));
    }
}

TEST(PictureKeyDown, StepsFromTheLeftEndOfTheRow)
{
    using Key = RowKey;
    StartedGame g;
    g.deal({5, 7, 9, 3, 4});
    auto key = [&g](int row, Key k) {
        g.game.Picture_KeyDown(row, k);
        return g.game.state().selected[row];
    };
    EXPECT_EQ(key(2, Key::fewer), 0);  // nothing below nothing
    EXPECT_EQ(g.platform.caption(Control::Label7), " 7");
    EXPECT_EQ(key(2, Key::more), 1);
    EXPECT_EQ(g.platform.drawn(2, MatchStyle::selected), 1);
    EXPECT_EQ(g.platform.row(2).back().style, MatchStyle::selected);  // the leftmost match
    EXPECT_EQ(key(2, Key::whole), 7);
    EXPECT_EQ(key(2, Key::more), 7);  // nothing beyond the whole row
    EXPECT_EQ(g.platform.caption(Control::Label7), " 0");
    EXPECT_EQ(key(2, Key::fewer), 6);
    EXPECT_EQ(key(4, Key::more), 1);  // another row: the first one is dropped
    EXPECT_EQ(g.game.state().selected, position({0, 0, 0, 1, 0}));
    EXPECT_EQ(g.platform.remaining_labels(), (Labels{"", "", "", " 2", ""}));
    EXPECT_EQ(key(4, Key::none), 0);
    EXPECT_EQ(g.platform.caption(Control::Label9), " 3");
    expect_board_shows(g.platform, g.game.state());
}

// As with clicks, the hint's mark survives only keys that leave its
// proposal as it was.
TEST(PictureKeyDown, KeepsTheHintMarkOnlyForTheSameSelection)
{
    using Key = RowKey;
    StartedGame g;
    g.deal_position({0, 0, 7, 0, 0});
    g.game.Command4_Click();  // proposes the whole row
    g.game.Picture_KeyDown(3, Key::more);
    g.game.Picture_KeyDown(3, Key::whole);
    EXPECT_EQ(g.game.state().hint_shown, -1);
    g.game.Picture_KeyDown(3, Key::fewer);
    g.game.Picture_KeyDown(3, Key::more);  // back to the proposal, the mark gone
    EXPECT_EQ(g.game.state().selected[3], 7);
    EXPECT_EQ(g.game.state().hint_shown, 0);

    g.deal_position({3, 4, 5, 0, 0});
    g.game.Command4_Click();  // two of row 1
    g.game.Picture_KeyDown(2, Key::none);  // nothing, in another row
    EXPECT_EQ(g.game.state().hint_shown, 0);
}
