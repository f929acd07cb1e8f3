#include "computer_player.h"
#include "draws.h"
#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;

namespace {

// Feeds `draw` the floats closest to each band edge: just below edge k it must
// give k, just above k + 1; 0 gives 1 and the largest float below 1 the top.
// The edges are computed in double from the drawing formulas.
void expect_bands(const std::vector<double> &edges, const std::function<int(FakePlatform &)> &draw)
{
    auto with = [&](float v) {
        FakePlatform fake;
        fake.random_values = {v};
        return draw(fake);
    };
    EXPECT_EQ(with(0.0f), 1);
    EXPECT_EQ(with(std::nextafter(1.0f, 0.0f)), static_cast<int>(edges.size()) + 1);
    for (std::size_t k = 1; k <= edges.size(); ++k) {
        const float f = static_cast<float>(edges[k - 1]);
        EXPECT_EQ(with(f < edges[k - 1] ? f : std::nextafter(f, 0.0f)), static_cast<int>(k)) << edges[k - 1];
        EXPECT_EQ(with(f > edges[k - 1] ? f : std::nextafter(f, 1.0f)), static_cast<int>(k + 1)) << edges[k - 1];
    }
}

std::vector<double> edges(int spread, double offset)  // (k - offset) / spread
{
    std::vector<double> e;
    for (int k = 1; k <= spread; ++k)
        e.push_back((k - offset) / spread);
    return e;
}

}  // namespace

TEST(Draws, DealCountBands)
{
    for (std::int16_t limit : {5, 11, 22})
        expect_bands(edges(limit - 1, 0.49999), [limit](FakePlatform &f) { return deal_count(limit, f); });
}

TEST(Draws, CheckDepthBands)
{
    expect_bands({0.1250025, 0.3750025, 0.6250025, 0.8750025}, [](FakePlatform &f) { return check_depth(2, f); });
    expect_bands({0.50001}, [](FakePlatform &f) { return check_depth(3, f); });
}

TEST(RandomMove, RowBands)
{
    expect_bands({0.125025, 0.375025, 0.625025, 0.875025}, [](FakePlatform &f) {
        GameState state;
        state.matches = position({4, 4, 4, 4, 4});
        f.random_values.push_back(0.0f);  // one match
        random_move(state, f, f);
        for (int r = 1; r <= 5; ++r)
            if (state.selected[r] == 1)
                return r;
        return 0;
    });
}

TEST(RandomMove, CountBands)
{
    for (std::int16_t c : {1, 2, 5, 22})
        expect_bands(edges(c - 1, 0.4999), [c](FakePlatform &f) {
            GameState state;
            state.matches = position({0, 0, c, 0, 0});
            f.random_values.push_front(0.5f);  // draws row 3
            random_move(state, f, f);
            EXPECT_EQ(state.selected.sum(), state.selected[3]);
            return state.selected[3];
        });
}

TEST(RandomMove, RedrawsEmptyRowsAndReseedsOnceFromTheClock)
{
    FakePlatform fake;
    fake.now = 4321.5;
    GameState state;
    state.matches = position({0, 0, 0, 0, 6});
    // Rows 1 to 4 are drawn and refused before row 5; then the count.
    fake.random_values = {0.0f, 0.3f, 0.5f, 0.8f, 0.99f, 0.99f};
    random_move(state, fake, fake);
    EXPECT_EQ(state.selected, position({0, 0, 0, 0, 6}));
    EXPECT_EQ(fake.draws, 6);
    EXPECT_EQ(fake.seeds, std::vector<double>{4321.5});
}
