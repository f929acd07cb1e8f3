#include "analysis.h"

#include <gtest/gtest.h>

using namespace brastola;

namespace {

RowValues position(std::array<std::int16_t, 5> counts)
{
    RowValues p;
    for (int r = 1; r <= 5; ++r)
        p[r] = counts[r - 1];
    return p;
}

}  // namespace

TEST(FindWinningMove, ExampleTable)
{
    struct Case {
        std::array<std::int16_t, 5> counts;
        std::optional<Move> expected;
    };
    const Case cases[] = {
        {{3, 4, 5, 0, 0}, Move{1, 2}},
        {{7, 6, 5, 0, 0}, Move{3, 4}},
        {{1, 2, 4, 0, 0}, Move{3, 1}},
        {{1, 1, 1, 0, 0}, Move{3, 1}},
        {{1, 2, 3, 0, 0}, std::nullopt},
        {{0, 0, 7, 0, 0}, Move{3, 7}},
        {{22, 22, 22, 22, 22}, Move{5, 22}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(find_winning_move(position(c.counts), full_test), c.expected)
            << c.counts[0] << " " << c.counts[1] << " " << c.counts[2] << " " << c.counts[3] << " " << c.counts[4];
}
