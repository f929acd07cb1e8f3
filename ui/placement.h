#pragma once

// Where the windows stand: at their design places, unless that would put any
// part of one, frame and title bar included, beyond the free area of its
// screen (a small or scaled screen, one that shrinks, one that goes away).

#include <QPoint>
#include <QRect>

class QWidget;

namespace brastola::ui {

// Where a window whose frame is `frame` goes in the free area `area` of its
// screen: where it is if it lies wholly inside; moved just enough to lie
// inside if it fits; else with its top-left corner, where the title bar
// begins, at the area's, so that it can always be grabbed.
QPoint frame_position(const QRect &frame, const QRect &area);

// Keeps the window by that rule, once the window manager has framed it at
// every showing, whenever the free area of its screen changes, and when its
// screen is removed and it passes to another. A window the player has moved
// stays where it was put until one of these happens.
void keep_on_screen(QWidget &window);

}  // namespace brastola::ui
