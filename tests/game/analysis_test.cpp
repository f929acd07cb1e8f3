#include "analysis.h"
#include "fake_platform.h"

#include <bit>
#include <random>

using namespace brastola;
using namespace brastola::testing;
using ::testing::PrintToString;

namespace {

// The nim-sum rule, without column counts: a row has a winning move when the
// xor of the other rows is below its count; the search reports the highest
// such row.
std::optional<Move> by_xor(const RowValues &p)
{
    int all = 0;
    for (int r = 1; r <= 5; ++r)
        all ^= p[r];
    for (int r = 5; r >= 1; --r)
        if ((all ^ p[r]) < p[r])
            return Move{r, static_cast<std::int16_t>(p[r] - (all ^ p[r]))};
    return std::nullopt;
}

// The weak test from xor and bit counts: the low `depth` binary digits
// balance and the number of ones is even. The search keeps the last
// candidate that passes: the highest row, then the largest count.
std::optional<Move> last_partial(const RowValues &p, int depth)
{
    for (int r = 5; r >= 1; --r)
        for (std::int16_t j = p[r]; j >= 1; --j) {
            int x = 0, ones = 0;
            for (int o = 1; o <= 5; ++o) {
                const int v = o == r ? p[o] - j : p[o];
                x ^= v;
                ones += std::popcount(static_cast<unsigned>(v));
            }
            if ((x & ((1 << depth) - 1)) == 0 && ones % 2 == 0)
                return Move{r, j};
        }
    return std::nullopt;
}

auto partial(int depth) { return [depth](const ColumnCounts &c) { return partial_test(c, depth); }; }

}  // namespace

TEST(FindWinningMove, ExampleTable)
{
    // 7, 6, 5: rows 1 and 2 win too, the last row is taken. The last four
    // are balanced (no candidate at all in the empty one).
    const std::pair<Counts, std::optional<Move>> cases[] = {
        {{3, 4, 5, 0, 0}, Move{1, 2}},   {{7, 6, 5, 0, 0}, Move{3, 4}},       {{1, 2, 4, 0, 0}, Move{3, 1}},
        {{1, 1, 1, 0, 0}, Move{3, 1}},   {{0, 0, 7, 0, 0}, Move{3, 7}},       {{22, 22, 22, 22, 22}, Move{5, 22}},
        {{1, 2, 3, 0, 0}, std::nullopt}, {{6, 6, 0, 0, 0}, std::nullopt},     {{5, 5, 5, 5, 0}, std::nullopt},
        {{0, 0, 0, 0, 0}, std::nullopt},
    };
    for (const auto &[counts, expected] : cases)
        EXPECT_EQ(find_winning_move(position(counts), full_test), expected) << PrintToString(counts);
}

TEST(PartialTest, FourNineExample)
{
    // Row 2 taking 1 from 4, 9 leaves 4, 8: columns 3 and 4 odd, sum 2.
    const ColumnCounts columns = column_counts(position({4, 8, 0, 0, 0}));
    EXPECT_EQ(columns, (ColumnCounts{0, 0, 1, 1, 0}));
    EXPECT_FALSE(full_test(columns));
    for (int d = 1; d <= 5; ++d)
        EXPECT_EQ(partial_test(columns, d), d <= 2) << "depth " << d;
}

// Every position of rows 1 to 4 (row 5 empty), the three-row ones included.
// All 23^5 positions would take about 17 s.
TEST(FindWinningMove, FollowsXorRuleOnEveryFourRowPosition)
{
    Counts c{};
    for (c[0] = 0; c[0] <= 22; ++c[0])
        for (c[1] = 0; c[1] <= 22; ++c[1])
            for (c[2] = 0; c[2] <= 22; ++c[2])
                for (c[3] = 0; c[3] <= 22; ++c[3]) {
                    const RowValues p = position(c);
                    const auto expected = by_xor(p);
                    ASSERT_EQ(find_winning_move(p, full_test), expected) << PrintToString(c);
                    ASSERT_EQ(find_winning_move(p, partial(5)), expected) << PrintToString(c);
                }
}

TEST(FindWinningMove, SampledFiveRowPositionsAtEveryDepth)
{
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> count(0, 22);
    for (int n = 0; n < 20000; ++n) {
        Counts c;
        for (auto &v : c)
            v = static_cast<std::int16_t>(count(rng));
        const RowValues p = position(c);
        ASSERT_EQ(find_winning_move(p, full_test), by_xor(p)) << PrintToString(c);
        for (int d = 1; d <= 5; ++d)
            ASSERT_EQ(find_winning_move(p, partial(d)), last_partial(p, d)) << PrintToString(c) << " depth " << d;
    }
}
