#include "board.h"
#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;

TEST(DrawRow, RightAlignedWithTheLeftmostSelected)
{
    for (auto [m, s] : {std::pair{7, 3}, {7, 0}, {7, 7}, {1, 1}, {22, 5}}) {
        FakePlatform fake;
        GameState state;
        state.match_width = 9;
        state.matches[2] = static_cast<std::int16_t>(m);
        state.selected[2] = static_cast<std::int16_t>(s);
        draw_row(fake, state, 2);
        // Match i counts from the right end and stands at (22.5 - i) widths.
        ASSERT_EQ(fake.row(2).size(), static_cast<std::size_t>(m));
        for (int i = 1; i <= m; ++i) {
            const DrawnMatch &d = fake.row(2)[i - 1];
            EXPECT_EQ(d, (DrawnMatch{(22.5 - i) * 9, 0, i > m - s ? MatchStyle::selected : MatchStyle::plain}))
                << m << "/" << s << " match " << i;
        }
    }
}

TEST(DrawBoard, FullRowSpansTheAreaAndRowsEndTogether)
{
    FakePlatform fake;
    fake.row(4).push_back({});  // left over from an earlier drawing
    GameState state;
    state.match_width = 9;
    state.matches = position({22, 3, 1, 0, 13});
    draw_board(fake, state);
    EXPECT_EQ(fake.row(1).back().x, 4.5);
    for (int r : {1, 2, 3, 5})
        EXPECT_EQ(fake.row(r).front().x, 193.5) << "row " << r;
    EXPECT_TRUE(fake.row(4).empty());  // an empty row is only cleared
}

TEST(Labels, CountTextAndShowCounts)
{
    EXPECT_EQ(count_text(0), " 0");
    EXPECT_EQ(count_text(7), " 7");
    EXPECT_EQ(count_text(-3), "-3");

    FakePlatform fake;
    for (int r = 1; r <= 5; ++r)
        fake.set_caption(remaining_label(r), " 9");
    GameState state;
    state.matches = position({13, 0, 22, 1, 5});
    show_counts(fake, state);
    const char *expected[] = {" 13", " 0", " 22", " 1", " 5"};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(fake.caption(count_label(r)), expected[r - 1]);
    EXPECT_EQ(fake.remaining_labels(), Labels{});
}
