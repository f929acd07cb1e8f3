#pragma once

// The game's pictures, each drawn at its final size in pixels. At scale 2 a
// picture is drawn for screens with twice the pixels per inch: twice as wide
// and high, with the detail the extra pixels allow, never the picture of
// scale 1 enlarged.

#include <QImage>
#include <QPoint>

namespace draw_pictures {

// Icon and cursor: fully transparent pixels or colours of palette16.
QImage app_icon(int scale);
QImage hand_cursor(int scale);
QPoint hand_hotspot(int scale);  // the top of the fingertip

QImage match_image(int scale);
QImage crossed_matches(int scale);

enum class Mood { grin, tongue, sad };
QImage computer(Mood mood, int scale);

// window: a screenshot of the main window during a game at the same scale, or
// a null image.
QImage start_background(const QImage &window, int scale);

// The program's icon for desktop launchers, size × size pixels with a
// transparent background.
QImage launcher_icon(int size);
inline constexpr int launcher_sizes[] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace draw_pictures
