// The screen probe against Wayland sockets made for each case, in a runtime
// directory of the test's own, and against an X server started for it.

#include "display.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

using brastola::app::CommandLine;
using brastola::app::ScreenProbe;

namespace {

bool screen_reachable(const CommandLine &command_line)
{
    return ScreenProbe(command_line).reachable();
}

const char *const screen_variables[] = {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM"};

// A Unix socket bound at `path`; listening unless `stale`, which is what a
// compositor that has gone leaves behind.
class UnixSocket {
public:
    UnixSocket(const std::string &path, bool stale = false) : path_(path)
    {
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        bound_ = fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                 listen(fd_, 1) == 0;
        if (stale) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~UnixSocket()
    {
        if (fd_ >= 0)
            close(fd_);
        unlink(path_.c_str());
    }
    UnixSocket(const UnixSocket &) = delete;
    UnixSocket &operator=(const UnixSocket &) = delete;

    bool bound() const { return bound_; }

private:
    std::string path_;
    int fd_ = -1;
    bool bound_ = false;
};

// An Xvfb server on a display number it picks itself, stopped at the end;
// with `terminate_when_alone`, it ends by itself when its last client leaves.
class XServer {
public:
    explicit XServer(bool terminate_when_alone = false)
    {
        int report[2];
        if (pipe(report) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(report[0]);
            const int null_fd = open("/dev/null", O_WRONLY);
            dup2(null_fd, STDOUT_FILENO);
            dup2(null_fd, STDERR_FILENO);
            const std::string report_fd = std::to_string(report[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", report_fd.c_str(), "-nolisten", "tcp", "-screen", "0",
                   "320x240x24", terminate_when_alone ? "-terminate" : static_cast<char *>(nullptr),
                   static_cast<char *>(nullptr));
            _exit(127);
        }
        close(report[1]);
        // Xvfb writes its display number, then a new line, once it accepts
        // connections; it gives up if the pipe closes before the new line.
        std::string number;
        char c = 0;
        while (pid_ > 0 && read(report[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(report[0]);
        if (c == '\n' && !number.empty())
            display_ = ':' + number;
    }
    ~XServer()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    // Empty if the server did not come up.
    const std::string &display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// Every case starts with no screen variable at all and an empty runtime
// directory of its own; the process's own variables come back afterwards.
class ScreenProbeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : screen_variables) {
            if (const char *value = std::getenv(name))
                saved_[name] = value;
            unsetenv(name);
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "screen-probe-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        runtime_dir_ = pattern;
        setenv("XDG_RUNTIME_DIR", runtime_dir_.c_str(), 1);
    }

    void TearDown() override
    {
        std::filesystem::remove_all(runtime_dir_);
        for (const char *name : screen_variables) {
            const auto saved = saved_.find(name);
            if (saved == saved_.end())
                unsetenv(name);
            else
                setenv(name, saved->second.c_str(), 1);
        }
    }

    std::string in_runtime_dir(const char *name) const { return runtime_dir_ + '/' + name; }

    std::string runtime_dir_;
    std::map<std::string, std::string> saved_;
};

TEST_F(ScreenProbeTest, NothingToConnectToIsNoScreen)
{
    EXPECT_FALSE(screen_reachable(CommandLine{}));
}

TEST_F(ScreenProbeTest, DisplayVariableWithNoServerIsNoScreen)
{
    int number = 4242;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number)))
        ++number;
    setenv("DISPLAY", (':' + std::to_string(number)).c_str(), 1);
    EXPECT_FALSE(screen_reachable(CommandLine{}));
}

TEST_F(ScreenProbeTest, RunningXServerIsAScreen)
{
    const XServer server;
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    setenv("DISPLAY", server.display().c_str(), 1);
    EXPECT_TRUE(screen_reachable(CommandLine{}));
}

TEST_F(ScreenProbeTest, DisplayOptionNamesTheXServer)
{
    const XServer server;
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    CommandLine command_line;
    command_line.x_display = server.display();
    EXPECT_TRUE(screen_reachable(command_line));
}

// The program connects after the probe; were the server left without a
// client in between, it would reset (here: end) before that connection.
TEST_F(ScreenProbeTest, XConnectionOutlivesTheCheckUntilTheProbeGoes)
{
    const XServer server(true);
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    setenv("DISPLAY", server.display().c_str(), 1);
    std::optional<ScreenProbe> probe(CommandLine{});
    ASSERT_TRUE(probe->reachable());
    // Time for the server to notice a client that has left.
    usleep(300'000);
    xcb_connection_t *program = xcb_connect(nullptr, nullptr);
    probe.reset();
    EXPECT_EQ(xcb_connection_has_error(program), 0);
    xcb_disconnect(program);
}

TEST_F(ScreenProbeTest, WaylandSocketNamedByWaylandDisplay)
{
    const UnixSocket compositor(in_runtime_dir("wayland-7"));
    ASSERT_TRUE(compositor.bound());
    EXPECT_FALSE(screen_reachable(CommandLine{})) << "wayland-7 is not the default name";
    setenv("WAYLAND_DISPLAY", "wayland-7", 1);
    EXPECT_TRUE(screen_reachable(CommandLine{}));
}

TEST_F(ScreenProbeTest, WaylandDefaultSocketWithoutWaylandDisplay)
{
    const UnixSocket compositor(in_runtime_dir("wayland-0"));
    ASSERT_TRUE(compositor.bound());
    EXPECT_TRUE(screen_reachable(CommandLine{}));
}

TEST_F(ScreenProbeTest, WaylandDisplayAsAPathNeedsNoRuntimeDirectory)
{
    const std::string path = in_runtime_dir("elsewhere");
    const UnixSocket compositor(path);
    ASSERT_TRUE(compositor.bound());
    unsetenv("XDG_RUNTIME_DIR");
    setenv("WAYLAND_DISPLAY", path.c_str(), 1);
    EXPECT_TRUE(screen_reachable(CommandLine{}));
}

TEST_F(ScreenProbeTest, SocketLeftByAGoneCompositorIsNoScreen)
{
    const UnixSocket gone(in_runtime_dir("wayland-0"), true);
    ASSERT_TRUE(gone.bound());
    ASSERT_TRUE(std::filesystem::exists(in_runtime_dir("wayland-0")));
    EXPECT_FALSE(screen_reachable(CommandLine{}));
}

TEST_F(ScreenProbeTest, ChosenPlatformIsLeftToQt)
{
    CommandLine offscreen_option;
    offscreen_option.platform = "offscreen";
    EXPECT_TRUE(screen_reachable(offscreen_option));
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    EXPECT_TRUE(screen_reachable(CommandLine{}));
}

}  // namespace
