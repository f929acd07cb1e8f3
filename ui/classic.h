#pragma once

// The look the windows were designed in: laid out in twips at 120 dots per
// inch, MS Sans Serif, the classic grey colour scheme. Everything here turns
// those design values into Qt's logical pixels.

#include <QColor>
#include <QFont>
#include <QRect>

class QApplication;
class QMessageBox;
class QWidget;

namespace brastola::ui {

// At 120 dots per inch 12 twips make one pixel, and one point 5/3 pixels.
constexpr int twips(int t) { return (t + 6) / 12; }
constexpr double points_to_pixels(double points) { return points * 5.0 / 3.0; }
QRect twips_rect(int left, int top, int width, int height);

// The design font (MS Sans Serif, or the nearest sans-serif face) at a size
// in points, converted to pixels so that it does not depend on the screen.
QFont classic_font(double points = 8.0, bool bold = false, bool italic = false);

namespace colour {
inline const QColor button_face{192, 192, 192};
inline const QColor scroll_bar{192, 192, 192};
inline const QColor desktop{0, 128, 128};
inline const QColor tooltip_background{255, 255, 225};
inline const QColor highlight{0, 0, 128};
inline const QColor light_3d{255, 255, 255};
inline const QColor shadow_3d{128, 128, 128};
}  // namespace colour

// Sets the classic style, palette and default font on the application.
void apply_classic_look(QApplication &app);

// A message box as a classic desktop shows it: a close box alone in its title
// bar, wide enough for its caption in full, the text centred above the
// centred button.
void make_classic(QMessageBox &box);

// Makes a fixed window with a close box only, kept out of the task bar, its
// client area at `client` on the screen and kept on the screen. It keeps the program running while
// it is open, even after the main window has closed, and is released when it
// closes.
void make_tool_window(QWidget &window, const QString &name, const QString &title, const QRect &client);

}  // namespace brastola::ui
