#pragma once

// Whether the program will find a screen for its windows. Asked before
// QApplication exists: Qt aborts the whole program when its default platform
// cannot reach a display.

#include "command_line.h"

namespace brastola::app {

// True when a platform was chosen (QT_QPA_PLATFORM or -platform), which
// leaves any failure to Qt and its own message, or when an X server (the
// -display option, else DISPLAY) or a Wayland compositor (WAYLAND_DISPLAY,
// else wayland-0, in XDG_RUNTIME_DIR) accepts a connection.
bool screen_reachable(const CommandLine &command_line);

// The one line to print when no screen is reachable.
extern const char no_screen_message[];

}  // namespace brastola::app
