#pragma once

// The exchange: while a handler of the main window runs, and above all while
// the game holds the thread in the middle of one (the computer's one-second
// pause, the defeat pictures, every message box OK opens), nothing the player
// does reaches the game, and nothing done meanwhile takes effect once it is
// over.
//
// Dropped while a handler runs, anywhere in the program but in the message
// box on the screen:
// - mouse presses and double clicks (with the release of each press), wheel
//   turns, keys (shortcuts and access keys are keys), context menus, touches;
// - if the handler waited (a pause, a message box): the input still queued
//   in Qt or in the window system when it returns (the program got no
//   processor, or was stopped, across the end of a pause), fetched then and
//   dropped too; after a handler that did not wait, input typed meanwhile
//   is taken as usual;
// - a click, a selection, a menu item chosen meanwhile: its handler does
//   not run.
// What waits instead of being dropped:
// - a request to close the main window is refused: the window stays, and
//   closes as ever when asked again once the handler is over;
// - a change of window state (minimise, restore) runs its handler once the
//   one running is over.

#include <QObject>

#include <functional>

class QWidget;

namespace brastola::ui {

class Exchange : public QObject {
public:
    explicit Exchange(QWidget &window);
    ~Exchange() override;

    // Runs a handler of the window, holding the exchange until it returns.
    // A call while one runs is dropped: only input can get here then.
    void run(const std::function<void()> &handler);
    // As run(), but a call while one runs waits until it is over; a later
    // call replaces the one waiting.
    void run_when_over(std::function<void()> handler);

protected:
    bool eventFilter(QObject *target, QEvent *event) override;

private:
    QWidget &window_;
    bool holding_ = false;
    bool waited_ = false;  // an event loop ran inside the handler
    int loop_level_ = 0;   // the event loops running when it started
    std::function<void()> waiting_;
    Qt::MouseButtons dropped_presses_;
};

// The game draws a row a match at a time and every row at every change. A
// view settles (repaints, tells screen readers) once the event loop next
// runs, or before the game pauses, whichever comes first.
class Settling {
public:
    Settling(QObject &view, std::function<void()> settle);
    // The view changed: it settles once, however many changes come first.
    void changed();

private:
    QObject &view_;
    std::function<void()> settle_;
    bool pending_ = false;
};

// Before a pause: every view settles now and is painted, so that what the
// game drew is on the screen for the whole pause.
void settle_and_paint();

}  // namespace brastola::ui
