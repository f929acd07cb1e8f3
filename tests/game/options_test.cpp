#include "fake_platform.h"

#include <set>

using namespace brastola;
using namespace brastola::testing;

namespace {

using enum Control;
const Control extra_rows[] = {Picture4, Label4, Label9, Picture5, Label5, Label10};

// Exactly these menu items carry a check mark.
void expect_marked(const FakePlatform &f, std::set<Control> marked)
{
    for (Control c : {alto, moderato, basso, menu_3r, menu_5r, menu_5, menu_11, menu_22})
        EXPECT_EQ(f.is_checked(c), marked.contains(c)) << control_name(c);
}

}  // namespace

TEST(Options, StartUp)
{
    StartedGame g;
    GameState expected;  // everything else 0
    expected.max_matches = 22;
    expected.level = 2;
    expected.match_width = 9;
    EXPECT_EQ(g.game.state(), expected);
    EXPECT_EQ(g.platform.selected_option, Option2);
    expect_marked(g.platform, {moderato, menu_5r, menu_22});
    EXPECT_FALSE(g.platform.is_visible(Picture6));
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(g.platform.caption(count_label(r)), " 0");
    EXPECT_EQ(g.platform.remaining_labels(), Labels{});
}

// A menu item selects its option button, whose handler sets the level; the
// toolkit runs a button's handler only when the selection changes.
TEST(Options, DifficultyThroughButtonsAndMenu)
{
    StartedGame g;
    struct Step {
        bool button;
        void (Game::*handler)();
        std::int16_t level;
        Control option, mark;
    };
    const Step steps[] = {
        {false, &Game::alto_Click, 1, Option1, alto},      {false, &Game::alto_Click, 1, Option1, alto},
        {true, &Game::Option3_Click, 3, Option3, basso},   {false, &Game::moderato_Click, 2, Option2, moderato},
        {true, &Game::Option2_Click, 2, Option2, moderato}, {false, &Game::basso_Click, 3, Option3, basso},
    };
    for (const Step &s : steps) {
        if (!s.button || g.platform.select_option(s.option))
            (g.game.*s.handler)();
        EXPECT_EQ(g.game.state().level, s.level);
        EXPECT_EQ(g.platform.selected_option, s.option);
        expect_marked(g.platform, {s.mark, menu_5r, menu_22});
    }
}

TEST(Options, RowsAndMaximumLeaveTheBoardAlone)
{
    StartedGame g;
    g.game.set_position(position({1, 2, 3, 4, 5}));
    g.game.menu_3r_Click();
    EXPECT_EQ(g.game.state().row_count, 3);
    for (Control c : extra_rows)
        EXPECT_FALSE(g.platform.is_visible(c)) << control_name(c);
    expect_marked(g.platform, {moderato, menu_3r, menu_22});
    g.game.menu_5r_Click();
    EXPECT_EQ(g.game.state().row_count, 5);
    for (Control c : extra_rows)
        EXPECT_TRUE(g.platform.is_visible(c)) << control_name(c);

    const std::tuple<void (Game::*)(), std::int16_t, Control> items[] = {
        {&Game::menu_11_Click, 11, menu_11}, {&Game::menu_5_Click, 5, menu_5}, {&Game::menu_22_Click, 22, menu_22}};
    for (auto [handler, limit, item] : items) {
        (g.game.*handler)();
        EXPECT_EQ(g.game.state().max_matches, limit);
        expect_marked(g.platform, {moderato, menu_5r, item});
    }
    EXPECT_EQ(g.game.state().matches, position({1, 2, 3, 4, 5}));
}

// After the first display a resize keeps the player's options and marks; it
// only drops the selection, redraws and resets the labels.
TEST(Options, LaterResizeKeepsOptions)
{
    StartedGame g;
    g.game.menu_3r_Click();
    g.game.menu_11_Click();
    g.game.alto_Click();
    g.deal_position({1, 6, 3, 0, 0});
    g.game.Command4_Click();  // proposes 4 matches of row 2
    ASSERT_EQ(g.game.state().selected[2], 4);
    GameState expected = g.game.state();
    expected.selected.clear();

    g.game.Form_Resize();
    EXPECT_EQ(g.game.state(), expected);  // max_matches 11, level 1, hint mark kept
    expect_marked(g.platform, {alto, menu_3r, menu_11});
    expect_board_shows(g.platform, g.game.state());
    EXPECT_EQ(g.platform.remaining_labels(), Labels{});
}
