#pragma once

// The game draws a row a match at a time and every row at every change. A
// view settles (repaints, tells screen readers) once the event loop next
// runs, or before the game pauses, whichever comes first.

#include <QObject>

#include <functional>

namespace brastola::ui {

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
