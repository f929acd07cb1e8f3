#pragma once

// The program's pictures, embedded as resources from assets/.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace brastola::ui {

QIcon app_icon();
QPixmap app_icon_pixmap();          // the 32 × 32 image, transparent background
QCursor hand_cursor();              // hotspot at the tip of the finger
QPixmap match_image();              // white is the transparent colour
QPixmap crossed_matches();
QPixmap computer_grin();
QPixmap computer_tongue();
QPixmap computer_sad();
QPixmap start_background();

}  // namespace brastola::ui
