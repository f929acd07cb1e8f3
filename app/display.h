#pragma once

// Whether the program will find a screen for its windows. Asked before
// QApplication exists: Qt aborts the whole program when its default platform
// cannot reach a display.

#include "command_line.h"

#include <string>

struct xcb_connection_t;

namespace brastola::app {

class ScreenProbe {
public:
    // Reachable when a platform was chosen (QT_QPA_PLATFORM or -platform),
    // whose failure PlatformStart reports, or when an X server (the -display
    // option, else DISPLAY) or a Wayland compositor (WAYLAND_DISPLAY, else
    // wayland-0, in XDG_RUNTIME_DIR) accepts a connection.
    explicit ScreenProbe(const CommandLine &command_line);
    ~ScreenProbe();
    ScreenProbe(const ScreenProbe &) = delete;
    ScreenProbe &operator=(const ScreenProbe &) = delete;

    bool reachable() const { return reachable_; }

private:
    bool reachable_ = false;
    // Open until the probe is destroyed, which should be after QApplication
    // has connected: an X server left with no client resets itself, and a
    // connection made meanwhile waits for that, a tenth of a second on Xvfb.
    xcb_connection_t *x_connection_ = nullptr;
};

// The one line to print when no screen is reachable.
std::string no_screen_message(const CommandLine &command_line);

}  // namespace brastola::app
