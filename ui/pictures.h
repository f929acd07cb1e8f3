#pragma once

// The program's pictures, embedded as resources from assets/.
//
// Each picture exists drawn for a device pixel ratio of 1 and of 2. A loader
// takes the ratio of the screen the picture is shown on and returns a pixmap
// of that ratio, the same size in logical pixels at every ratio: at 1 or less
// the picture drawn for 1, at 2 or more the one drawn for 2, and in between
// the one drawn for 2 reduced smoothly, never the smaller one enlarged.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace brastola::ui {

using PictureLoader = QPixmap (*)(qreal device_pixel_ratio);

QIcon app_icon();  // 32 and 64 pixels
QPixmap app_icon_pixmap(qreal device_pixel_ratio = 1.0);  // 32 × 32, transparent background
QCursor hand_cursor(qreal device_pixel_ratio = 1.0);      // hotspot at the tip of the finger
// Pure white is the transparent colour at every ratio: see pictures.cpp.
QPixmap match_image(qreal device_pixel_ratio = 1.0);
QPixmap crossed_matches(qreal device_pixel_ratio = 1.0);
QPixmap computer_grin(qreal device_pixel_ratio = 1.0);
QPixmap computer_tongue(qreal device_pixel_ratio = 1.0);
QPixmap computer_sad(qreal device_pixel_ratio = 1.0);
QPixmap start_background(qreal device_pixel_ratio = 1.0);

}  // namespace brastola::ui
