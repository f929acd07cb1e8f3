#pragma once

// A scripted stand-in for the main window, the clock and the generator:
// it records what the game shows and lets a test decide every random value
// and how time passes.

#include "board.h"
#include "deal_script.h"
#include "game.h"
#include "positions.h"
#include "row_slots.h"
#include "scripted_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace brastola::testing {


struct DrawnMatch {
    double x = 0, y = 0;
    MatchStyle style = MatchStyle::plain;
    bool operator==(const DrawnMatch &) const = default;
};
struct PictureShown { Control holder; double at; };  // at: clock time

class FakePlatform : public Frontend, public ScriptedClock, public RandomSource {
public:
    // --- scripting
    std::deque<float> random_values;     // consumed first; then a fixed-seed stream
    bool allow_unscripted_random = false;
    double draw_cost = 0.0;              // seconds each drawn match takes
    std::function<void(const std::string &)> on_message;

    // --- what the game did
    std::vector<std::string> messages;
    std::map<Control, std::string> captions;
    std::map<Control, bool> visible, checked, enabled;  // unset: as laid out
    std::optional<Control> selected_option;
    std::vector<PictureShown> pictures;
    std::array<std::vector<DrawnMatch>, 5> rows;
    std::array<std::vector<double>, 5> cleared_at;  // clock times, per row
    std::vector<double> seeds;
    std::vector<Notice> notices;
    int draws = 0;

    std::vector<DrawnMatch> &row(int r) { return rows.at(r - 1); }
    int drawn(int r, MatchStyle style)
    {
        return static_cast<int>(std::count_if(row(r).begin(), row(r).end(),
                                              [style](const DrawnMatch &m) { return m.style == style; }));
    }
    std::string caption(Control c) const { return captions.contains(c) ? captions.at(c) : "<unset>"; }
    std::array<std::string, 5> remaining_labels() const  // Label6 .. Label10
    {
        return {caption(Control::Label6), caption(Control::Label7), caption(Control::Label8),
                caption(Control::Label9), caption(Control::Label10)};
    }
    bool is_visible(Control c) const { return !visible.contains(c) || visible.at(c); }
    bool is_checked(Control c) const { return checked.contains(c) && checked.at(c); }
    bool is_enabled(Control c) const { return !enabled.contains(c) || enabled.at(c); }

    // --- Frontend
    void show_message(std::string_view text) override
    {
        messages.emplace_back(text);
        if (on_message) on_message(messages.back());
    }
    void set_caption(Control label, std::string_view text) override { captions[label] = std::string(text); }
    void set_visible(Control control, bool v) override { visible[control] = v; }
    void set_checked(Control item, bool c) override { checked[item] = c; }
    void set_menu_enabled(Control menu, bool e) override { enabled[menu] = e; }
    bool select_option(Control option) override { return std::exchange(selected_option, option) != option; }
    void show_picture(Control box, Control holder) override
    {
        EXPECT_EQ(box, Control::Picture6);
        pictures.push_back({holder, now});
    }
    std::int16_t load_match_image() override { return 9; }
    void clear_row(int r) override { row(r).clear(); cleared_at.at(r - 1).push_back(now); }
    void draw_match(int r, double x, double y, MatchStyle style) override
    {
        row(r).push_back({x, y, style});
        advance(draw_cost);  // the drawing takes time
    }

    void tell(const Notice &notice) override { notices.push_back(notice); }

    // --- RandomSource
    void reseed(double seconds) override { seeds.push_back(seconds); }
    float next() override
    {
        ++draws;
        if (!random_values.empty()) {
            const float v = random_values.front();
            random_values.pop_front();
            return v;
        }
        if (!allow_unscripted_random)
            ADD_FAILURE() << "random value drawn beyond the script (draw " << draws << ")";
        return std::uniform_real_distribution<float>(0.0f, 0.99999994f)(stream_);
    }
    void seed_stream(unsigned seed) { stream_.seed(seed); }

private:
    std::mt19937 stream_{12345};
};

// A game loaded and displayed, as the player first sees it.
struct StartedGame {
    FakePlatform platform;
    Game game{platform, platform, platform};

    StartedGame()
    {
        game.Form_Load();
        game.Form_Resize();
    }

    // Deals these counts (1 to 22 each) through the menu item, with one
    // scripted value per row from the middle of the count's band.
    void deal(Counts counts)
    {
        for (float v : deal_values(counts))
            platform.random_values.push_back(v);
        game.menu1_1_Click();
    }

    // Deals, then replaces the rows by any position, empty rows included.
    void deal_position(Counts counts)
    {
        deal({1, 1, 1, 1, 1});
        game.set_position(position(counts));
    }

    // Clicks row r in the middle of the slot that selects `count` of its
    // matches, on a row 235 points wide: every slot is 10 points.
    void click(int r, int count)
    {
        const double x = slot_middle(count, game.state().matches[r], 235.0);
        game.Picture_MouseDown(r, static_cast<float>(x), 235.0f);
    }
};

using Labels = std::array<std::string, 5>;

// The rows and count labels agree with the state: every row holds its
// matches, as many highlighted as are selected.
inline void expect_board_shows(FakePlatform &f, const GameState &s)
{
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(f.row(r).size(), static_cast<std::size_t>(s.matches[r])) << "row " << r;
        EXPECT_EQ(f.drawn(r, MatchStyle::selected), s.selected[r]) << "row " << r;
        EXPECT_EQ(f.caption(count_label(r)), count_text(s.matches[r])) << "row " << r;
    }
}

}  // namespace brastola::testing
