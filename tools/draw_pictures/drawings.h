#pragma once

// The game's pictures, each drawn at its final size in pixels.

#include <QImage>
#include <QPoint>

namespace draw_pictures {

// Icon and cursor: fully transparent pixels or colours of palette16.
QImage app_icon();
QImage hand_cursor();
inline constexpr QPoint hand_hotspot{12, 1};  // the top of the fingertip

QImage match_image();
QImage crossed_matches();

enum class Mood { grin, tongue, sad };
QImage computer(Mood mood);

// window: a screenshot of the main window during a game, or a null image.
QImage start_background(const QImage &window);

}  // namespace draw_pictures
