#pragma once

// A scripted stand-in for the main window, the clock and the generator:
// it records what the game shows and lets a test decide every random value
// and how time passes.

#include "game.h"
#include "platform.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace brastola::testing {

struct DrawnMatch {
    double x = 0;
    double y = 0;
    MatchStyle style = MatchStyle::plain;
};

struct PictureShown {
    Control holder;
    double at;  // clock time
};

class FakePlatform : public Frontend, public Clock, public RandomSource {
public:
    // --- scripting
    std::deque<float> random_values;     // consumed first; then a fixed-seed stream
    bool allow_unscripted_random = false;
    double now = 10 * 3600.0;            // seconds since midnight
    double pause_share = 1.0;            // share of a requested pause that passes
    double draw_cost = 0.0;              // seconds each drawn match takes
    std::function<void()> during_pause;  // runs inside every pause
    std::function<void(const std::string &)> on_message;

    // --- what the game did
    std::vector<std::string> messages;
    std::map<Control, std::string> captions;
    std::map<Control, bool> visible;
    std::map<Control, bool> checked;
    std::map<Control, bool> menu_enabled;
    std::optional<Control> selected_option;
    std::vector<PictureShown> pictures;
    std::array<std::vector<DrawnMatch>, 5> rows;
    std::array<bool, 5> persistent{};
    std::vector<double> pauses;
    std::vector<double> seeds;
    int draws = 0;

    std::vector<DrawnMatch> &row(int r) { return rows.at(r - 1); }
    int drawn(int r, MatchStyle style)
    {
        int n = 0;
        for (const DrawnMatch &m : row(r))
            n += m.style == style;
        return n;
    }
    std::string caption(Control c) const
    {
        auto it = captions.find(c);
        return it == captions.end() ? "<unset>" : it->second;
    }
    bool is_visible(Control c) const
    {
        auto it = visible.find(c);
        return it == visible.end() || it->second;  // visible as laid out
    }
    bool is_checked(Control c) const
    {
        auto it = checked.find(c);
        return it != checked.end() && it->second;
    }
    bool is_enabled(Control c) const
    {
        auto it = menu_enabled.find(c);
        return it == menu_enabled.end() || it->second;
    }

    // --- Frontend
    void show_message(std::string_view text) override
    {
        messages.emplace_back(text);
        if (on_message)
            on_message(messages.back());
    }
    void set_caption(Control label, std::string_view text) override { captions[label] = std::string(text); }
    void set_visible(Control control, bool v) override { visible[control] = v; }
    void set_checked(Control item, bool c) override { checked[item] = c; }
    void set_menu_enabled(Control menu, bool e) override { menu_enabled[menu] = e; }
    bool select_option(Control option) override
    {
        const bool changed = selected_option != option;
        selected_option = option;
        return changed;
    }
    void show_picture(Control box, Control holder) override
    {
        EXPECT_EQ(box, Control::Picture6);
        pictures.push_back({holder, now});
    }
    std::int16_t load_match_image() override { return 9; }
    void clear_row(int r) override { row(r).clear(); }
    void draw_match(int r, double x, double y, MatchStyle style) override
    {
        row(r).push_back({x, y, style});
        advance(draw_cost);
    }
    void set_persistent_drawing(int r, bool on) override { persistent.at(r - 1) = on; }

    // --- Clock
    double seconds_since_midnight() override { return now; }
    void pause(double seconds) override
    {
        pauses.push_back(seconds);
        if (during_pause)
            during_pause();
        advance(seconds * pause_share);
    }
    void advance(double seconds) { now = std::fmod(now + seconds, 86400.0); }

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

    // Deals exactly these counts (1 to 22 each) through the menu item, with
    // one scripted value per row from the middle of the count's band.
    void deal(std::array<std::int16_t, 5> counts)
    {
        for (std::int16_t c : counts)
            platform.random_values.push_back(static_cast<float>((c - 1) / 21.0));
        game.menu1_1_Click();
        for (int r = 1; r <= 5; ++r)
            EXPECT_EQ(game.state().matches[r], counts[r - 1]) << "row " << r;
    }

    // Deals, then replaces the rows by any position, empty rows included.
    void deal_position(std::array<std::int16_t, 5> counts)
    {
        deal({1, 1, 1, 1, 1});
        for (int r = 1; r <= 5; ++r)
            game.state().matches[r] = counts[r - 1];
    }
};

}  // namespace brastola::testing
