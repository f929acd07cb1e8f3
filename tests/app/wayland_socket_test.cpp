// Whether a Wayland compositor answers, against sockets made for each case
// in a runtime directory of the test's own.

#include "platform_start.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

using brastola::app::wayland_compositor_answers;

namespace {

const char *const screen_variables[] = {"WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"};

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

// Every case starts with no screen variable at all and an empty runtime
// directory of its own; the process's own variables come back afterwards.
class WaylandSocketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : screen_variables) {
            if (const char *value = std::getenv(name))
                saved_[name] = value;
            unsetenv(name);
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "wayland-socket-XXXXXX").string();
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

TEST_F(WaylandSocketTest, NoVariableIsNoCompositor)
{
    EXPECT_FALSE(wayland_compositor_answers());
}

// Qt looks for a compositor only where WAYLAND_DISPLAY names one.
TEST_F(WaylandSocketTest, SocketNamedByWaylandDisplay)
{
    const UnixSocket compositor(in_runtime_dir("wayland-0"));
    ASSERT_TRUE(compositor.bound());
    EXPECT_FALSE(wayland_compositor_answers()) << "without WAYLAND_DISPLAY";
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    EXPECT_TRUE(wayland_compositor_answers());
}

TEST_F(WaylandSocketTest, WaylandDisplayAsAPathNeedsNoRuntimeDirectory)
{
    const std::string path = in_runtime_dir("elsewhere");
    const UnixSocket compositor(path);
    ASSERT_TRUE(compositor.bound());
    unsetenv("XDG_RUNTIME_DIR");
    setenv("WAYLAND_DISPLAY", path.c_str(), 1);
    EXPECT_TRUE(wayland_compositor_answers());
}

TEST_F(WaylandSocketTest, SocketLeftByAGoneCompositorIsNoCompositor)
{
    const UnixSocket gone(in_runtime_dir("wayland-0"), true);
    ASSERT_TRUE(gone.bound());
    ASSERT_TRUE(std::filesystem::exists(in_runtime_dir("wayland-0")));
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    EXPECT_FALSE(wayland_compositor_answers());
}

}  // namespace
