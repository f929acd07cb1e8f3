#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brastola {

// The controls of the main window that the game touches. control_name() gives
// the name each one carries in the window, so a front end can look them up.
enum class Control {
    Picture1, Picture2, Picture3, Picture4, Picture5,  // the rows
    Picture6,                                          // end-of-game picture
    // Hidden holders of pictures, which other controls show:
    fia,     // a match, the picture the rows are drawn with
    fia_v,   // the computer, sad: the player has won
    fia_p0,  // the computer grinning, and
    fia_p,   // sticking its tongue out, in turns: the computer has won
    Label1, Label2, Label3, Label4, Label5,            // count labels
    Label6, Label7, Label8, Label9, Label10,           // remaining-count labels
    Option1, Option2, Option3,                         // difficulty buttons
    alto, moderato, basso,                             // difficulty menu items
    Menu_opzioni,                                      // the options menu
    menu_3r, menu_5r,                                  // rows menu items
    menu_5, menu_11, menu_22,                          // maximum menu items
};

constexpr std::size_t control_count = static_cast<std::size_t>(Control::menu_22) + 1;

const char *control_name(Control control);

Control row_control(int row);              // Picture1 .. Picture5
Control count_label(int row);              // Label1 .. Label5
Control remaining_label(int row);          // Label6 .. Label10

enum class MatchStyle { plain, selected };

// A key pressed on a row that has the focus: one match more or fewer, none or
// the whole row, always counted from the left end of the row.
enum class RowKey { more, fewer, none, whole };

// Something a player who follows the game by ear is told of. The game says
// what happened, in numbers; the front end words it, and reads the rest from
// the game's state, which already holds the outcome.
struct Notice {
    enum class Kind {
        dealt,          // a new board
        selection,      // the player selected `count` matches of `row`
        hint,           // the hint proposes `count` matches of `row`
        computer_move,  // the computer took `count` matches of `row`
        level,          // the difficulty was chosen from the menu
    };
    Kind kind;
    int row = 0;
    int count = 0;
    bool operator==(const Notice &) const = default;
};

// What the game needs from the main window. Every call takes effect before it
// returns; nothing here calls back into the game.
class Frontend {
public:
    virtual ~Frontend() = default;

    // A modal box with the text alone and an OK button; returns once closed.
    virtual void show_message(std::string_view text) = 0;

    virtual void set_caption(Control label, std::string_view text) = 0;
    virtual void set_visible(Control control, bool visible) = 0;
    virtual void set_checked(Control menu_item, bool checked) = 0;
    virtual void set_menu_enabled(Control menu, bool enabled) = 0;

    // Selects a difficulty button and deselects the others. Returns true when
    // the button was not selected before: the caller then runs its click
    // handler, as the toolkit would have.
    virtual bool select_option(Control option) = 0;

    // The box shows the picture of the holder at its top-left corner.
    virtual void show_picture(Control box, Control holder) = 0;

    // Puts the match picture into the image list with white as its
    // transparent colour; returns the picture's width in pixels.
    virtual std::int16_t load_match_image() = 0;

    // Row drawing. Positions are in points from the top-left corner of the
    // row's drawing area. What is drawn is kept, and shown by the next
    // repaint; Clock::pause shows it while the game holds the thread.
    virtual void clear_row(int row) = 0;
    virtual void draw_match(int row, double x, double y, MatchStyle style) = 0;

    // Changes nothing on the screen.
    virtual void tell(const Notice &notice) = 0;
};

// Time of day, and a way to let time pass without holding the processor.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since midnight, from 0 up to (not including) 86400.
    virtual double seconds_since_midnight() = 0;

    // Lets about this much time pass while the front end keeps painting,
    // with what was drawn before the call on the screen all along. May return
    // early: callers measure the time with the clock.
    virtual void pause(double seconds) = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Restarts the sequence from a seed taken from the time of day.
    virtual void reseed(double seconds_since_midnight) = 0;

    // The next value, uniform in [0, 1).
    virtual float next() = 0;
};

}  // namespace brastola
