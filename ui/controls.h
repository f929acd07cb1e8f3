#pragma once

// The controls of the four windows: each carries its name, so that tests and
// tools outside the program find it, and stands at its design geometry.

#include "classic.h"
#include "pictures.h"

#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace brastola::ui {

// Top-left aligned, as every label of the game unless it says otherwise.
QLabel *make_label(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                   const QFont &font = classic_font());

// Enter presses the button that has the focus, and no other: no window of the
// game has a default button.
QPushButton *make_button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                         const QFont &font = classic_font());

// A box the size of its picture, which it shows at its natural size, drawn
// for the pixel ratio of its screen.
QLabel *make_picture(QWidget *parent, const char *name, PictureLoader picture, QPoint at);

}  // namespace brastola::ui
