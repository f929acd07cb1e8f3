#pragma once

// What the window tests do to the platform beneath the windows, for which
// Qt has no public call: the offscreen platform's screens changed while the
// windows are shown, a window's frame and a screen's free area read in the
// device pixels the platform has, and screen readers made to listen (Qt
// sends readers nothing until one does).

#include <QJsonArray>
#include <QRect>

class QScreen;
class QWidget;

namespace brastola::testing {

// Replaces the offscreen platform's screens, each an object with "name",
// "x", "y", "width", "height" (device pixels) and "logicalDpi"; one named
// "" is the first there is.
void set_screens(const QJsonArray &screens);

QRect device_frame(const QWidget &window);
QRect device_area(const QScreen &screen);
// The frame of a window whose client area was put at `client` (logical) on
// its screen, as Qt turns that into device pixels.
QRect device_frame_at(const QWidget &window, QPoint client);

void start_listening();

}  // namespace brastola::testing
