#include "computer_player.h"
#include "fake_platform.h"

using namespace brastola;
using namespace brastola::testing;

namespace {

// The move the computer leaves in `selected` at this level and position.
RowValues play(std::int16_t level, Counts counts, FakePlatform &fake)
{
    GameState state;
    state.level = level;
    state.matches = position(counts);
    choose_computer_move(state, fake, fake);
    return state.selected;
}

}  // namespace

TEST(ComputerPlayer, LevelOneFromABalancedPositionPlaysARandomMove)
{
    for (unsigned seed = 0; seed < 200; ++seed) {
        FakePlatform fake;
        fake.allow_unscripted_random = true;
        fake.seed_stream(seed);
        const RowValues move = play(1, {1, 2, 3, 0, 0}, fake);
        int rows = 0;
        for (int r = 1; r <= 5; ++r) {
            rows += move[r] != 0;
            EXPECT_TRUE(move[r] >= 0 && move[r] <= (r <= 3 ? r : 0)) << r << ": " << move[r];  // row r holds r
        }
        EXPECT_EQ(rows, 1);
        EXPECT_EQ(fake.seeds.size(), 1u);  // the random move reseeds
    }
}

// 4, 9: with depth 1 the candidates row 1 taking 1 and row 2 taking 1, 5 and 7
// pass, with depth 2 row 2 taking 1 and 5; deeper only the winning 5.
TEST(ComputerPlayer, FourNineDependsOnTheDrawnDepths)
{
    const float top = std::nextafter(1.0f, 0.0f);
    struct Case {
        std::int16_t level;
        float rnd;  // drawn for every candidate
        std::int16_t takes;
    };
    const Case cases[] = {
        {3, 0.0f, 7}, {3, top, 5},                              // depths 1, 2
        {2, 0.0f, 7}, {2, 0.2f, 5}, {2, 0.5f, 5}, {2, top, 5},  // depths 1, 2, 3, 5
    };
    for (const Case &c : cases) {
        FakePlatform fake;
        fake.random_values.assign(13, c.rnd);  // one per match, no more
        EXPECT_EQ(play(c.level, {4, 9, 0, 0, 0}, fake), position({0, c.takes, 0, 0, 0})) << c.level << " " << c.rnd;
        EXPECT_TRUE(fake.random_values.empty());
        EXPECT_TRUE(fake.seeds.empty());
    }
}

// Each position has a winning move, which passes every depth: no random
// move, and level 1 plays the winning move of the highest row.
TEST(ComputerPlayer, DrawsOnceForEveryMatchOnTheBoardBelowLevelOne)
{
    for (auto [counts, winning] : {std::pair{Counts{3, 4, 5, 0, 0}, Counts{2, 0, 0, 0, 0}},
                                   {Counts{22, 22, 22, 22, 22}, Counts{0, 0, 0, 0, 22}},
                                   {Counts{0, 13, 7, 0, 9}, Counts{0, 0, 3, 0, 0}}})
        for (std::int16_t level : {1, 2, 3}) {
            FakePlatform fake;
            fake.allow_unscripted_random = true;
            const RowValues move = play(level, counts, fake);
            EXPECT_EQ(fake.draws, level == 1 ? 0 : position(counts).sum()) << "level " << level;
            EXPECT_TRUE(fake.seeds.empty());
            if (level == 1) {
                EXPECT_EQ(move, position(winning));
            }
        }
}

TEST(ComputerPlayer, TakesTheLastRowWhole)
{
    for (std::int16_t level : {1, 2, 3})
        for (int row = 1; row <= 5; ++row)
            for (std::int16_t n = 1; n <= 22; ++n) {
                Counts counts{};
                counts[row - 1] = n;
                FakePlatform fake;
                fake.allow_unscripted_random = true;
                EXPECT_EQ(play(level, counts, fake), position(counts)) << level << " " << row << " " << n;
            }
}
