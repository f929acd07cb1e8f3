#pragma once

// What the platform lets the program do with its windows. Offscreen, and on
// X11, the program places its windows and gives them the keys. Wayland lets a
// client do neither: the compositor places each window it maps (weston at
// random in the free area of the screen) and never says where, so Qt puts
// every window at its screen's top-left corner; and it gives the keys to each
// window it maps and, when the active one closes, to the one below it.

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace brastola::testing {

inline bool program_places_windows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Waits for the window to have the keys, which on Wayland come from the
// compositor: Qt's qWaitForWindowActive() only waits there for the window to
// be exposed, and the window's own isActiveWindow() turns true a round trip
// before the keys reach it.
inline bool wait_until_active(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

}  // namespace brastola::testing
