#pragma once

// The exchange: while a handler of the main window runs, and above all while
// the game holds the thread in the middle of one (the computer's one-second
// pause, the defeat pictures, every message box OK opens), nothing the player
// does reaches the game or changes the window, and nothing done meanwhile
// takes effect once it is over.
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
// - every control of the main window used through any other channel, a
//   screen reader's actions included (press, toggle, set value, set focus,
//   menu items, show menu): its handler is not run, and what Qt changed on the
//   control by itself is put back at once (a check mark, the selected option
//   button, the focus, an open menu), so that the controls always show the
//   game's state;
// - the click that follows a press 100 ms later (Qt's animated click, which
//   screen readers use), when the press came while the handler ran: the
//   exchange lasts until it has landed.
// What waits instead of being dropped:
// - a request from the window system to close the main window (its close
//   box, Alt+F4) waits: the window closes once the handler is over; but
//   while a message box is open, the box blocks its window and the request
//   is refused. The program's own close ("Fine") goes on;
// - a change of window state (minimise, restore) runs its handler once the
//   one running is over.
// At rest, every channel goes to the same handler: an option button selected
// by a screen reader is a click on it, a menu item pressed by one is chosen.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

namespace brastola::ui {

class Exchange : public QObject {
    Q_OBJECT

public:
    explicit Exchange(QWidget &window);
    ~Exchange() override;

    // Runs a handler of the window, holding the exchange until it returns.
    // A call while one runs is dropped: only input can get here then.
    void run(const std::function<void()> &handler);
    // As run(), but a call while one runs waits until it is over; a later
    // call replaces the one waiting.
    void run_when_over(std::function<void()> handler);

    // The window's controls, each tied to the handler it runs. A button may
    // be in another window (the rules, the about window), which may outlive
    // this one: it then clicks as any button does.
    void on_click(QAbstractButton *button, std::function<void()> handler);
    // An option button runs its handler when it becomes selected, whatever
    // selected it.
    void on_select(QAbstractButton *option, std::function<void()> handler);
    void on_trigger(QAction *item, std::function<void()> handler);

    // The window sets a check mark or selects an option button (any object
    // with a "checked" property): this is the state the control keeps.
    void set_mark(QObject *control, bool checked);

protected:
    bool eventFilter(QObject *target, QEvent *event) override;

private:
    void watch_presses(QAbstractButton *button);
    void wait_for_clicks();
    bool mark_taken(QObject *control);
    void put_back_soon();
    void put_back();

    QWidget &window_;
    bool holding_ = false;
    bool waited_ = false;   // an event loop ran inside the handler
    int loop_level_ = 0;    // the event loops running when it started
    bool setting_ = false;  // the window is setting a mark
    bool put_back_queued_ = false;
    bool close_waiting_ = false;
    std::function<void()> waiting_;
    QHash<QObject *, bool> marks_;     // as the window or, at rest, the player left them
    QSet<QAbstractButton *> pressed_;  // pressed while holding, their click to come
    QPointer<QWidget> focus_;          // the window's focus when the handler started
    Qt::MouseButtons dropped_presses_;
};

// A button tied to its handler through the exchange, or straight where there
// is none (a window shown without the main one).
void on_click(Exchange *exchange, QAbstractButton *button, std::function<void()> handler);

}  // namespace brastola::ui
