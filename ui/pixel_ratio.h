#pragma once

// Pictures drawn for a device pixel ratio must be drawn again when a window
// passes to a screen of another ratio.

#include <QtGlobal>

#include <functional>

class QWidget;

namespace brastola::ui {

// Calls `reload` with the new ratio whenever the widget's window passes to a
// screen whose device pixel ratio differs from the one it had before.
void follow_pixel_ratio(QWidget &widget, std::function<void(qreal)> reload);

}  // namespace brastola::ui
