#pragma once

// Qt ends the program with abort() and a message of its own, in English,
// when the platform for the windows cannot start: a plugin that is not there
// (-platform, QT_QPA_PLATFORM), or one that finds no screen (no X server or
// Wayland compositor to open, whether Qt chose the platform or the player).

#include "command_line.h"

#include <QString>

#include <string>
#include <vector>

namespace brastola::app {

// Watches Qt's messages while QApplication is being made. Should the
// platform fail to start, the program ends there with one line naming what
// is missing and the platforms there are, and status 1. Otherwise Qt's
// messages, held meanwhile, go on as usual when the watch ends.
class PlatformStart {
public:
    explicit PlatformStart(const CommandLine &command_line);
    ~PlatformStart();
    PlatformStart(const PlatformStart &) = delete;
    PlatformStart &operator=(const PlatformStart &) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

    struct Message {
        QtMsgType type;
        const char *file, *function, *category;  // Qt's own, static
        int line;
        QString text;
    };

    const CommandLine &command_line_;
    QtMessageHandler previous_;
    std::vector<Message> held_;
};

// The line for a platform that failed to start, from Qt's fatal message.
std::string platform_failure_message(const CommandLine &command_line, const QString &qt_message);

// Whether a Wayland compositor answers at the socket WAYLAND_DISPLAY names
// (a path, or a name in XDG_RUNTIME_DIR). Qt tries Wayland only where it has
// the plugin: with none, only this tells a screen from no screen.
bool wayland_compositor_answers();

}  // namespace brastola::app
