#pragma once

// Qt's own title bar on Wayland has a maximise box, and maximises on a double
// click, whatever the window asks for; the compositor then gives the window
// its size, and weston closes the connection of a maximised window that does
// not take it, which ends the program.

class QWidget;

namespace brastola::ui {

// On Wayland, a window of fixed size that is maximised takes the size the
// compositor gives, its contents staying at theirs; restored, it is its own
// size again. Elsewhere the window manager offers no maximise box: nothing
// changes.
void take_maximised_size(QWidget &window);

}  // namespace brastola::ui
