#include "display.h"

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace brastola::app {

std::string no_screen_message(const CommandLine &command_line)
{
    const std::string reason = command_line.x_display.empty()
                                   ? "né DISPLAY né WAYLAND_DISPLAY indicano uno schermo aperto"
                                   : "lo schermo X " + command_line.x_display + " indicato da -display non risponde";
    return "brastola: nessuno schermo grafico disponibile: " + reason + '\n';
}

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// Where libwayland-client looks for the compositor's socket.
std::string wayland_socket_path()
{
    std::string name = environment("WAYLAND_DISPLAY");
    if (name.empty())
        name = "wayland-0";
    if (name.front() == '/')
        return name;
    const std::string runtime_dir = environment("XDG_RUNTIME_DIR");
    return runtime_dir.empty() ? std::string() : runtime_dir + '/' + name;
}

// A socket file left behind by a compositor that has gone refuses the
// connection, so only a real connect tells.
bool wayland_compositor_answers()
{
    const std::string path = wayland_socket_path();
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket_fd < 0)
        return false;
    const bool connected = connect(socket_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(socket_fd);
    return connected;
}

}  // namespace

ScreenProbe::ScreenProbe(const CommandLine &command_line)
{
    if (!command_line.platform.empty() || !environment("QT_QPA_PLATFORM").empty()) {
        reachable_ = true;
        return;
    }
    // The same connection Qt's X11 platform opens first.
    const std::string &display = command_line.x_display;
    x_connection_ = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    reachable_ = xcb_connection_has_error(x_connection_) == 0 || wayland_compositor_answers();
}

ScreenProbe::~ScreenProbe()
{
    if (x_connection_)
        xcb_disconnect(x_connection_);
}

}  // namespace brastola::app
