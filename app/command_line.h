#pragma once

// The program's command line, read before any window or screen exists, so
// that --help and --version answer in a terminal with no display at all.

#include <optional>
#include <string>

namespace brastola::app {

struct CommandLine {
    // Set when the program must end at once with this status: 0 after the
    // help or the version, 1 if they could not be written, 2 after a
    // complaint about the arguments.
    std::optional<int> exit_status;
    // The values of Qt's own -platform and -display options, read as Qt
    // reads them (the value in the next argument; the last one given), empty
    // when they are absent. Both stay in argv for QApplication, which acts
    // on them.
    std::string platform;
    std::string x_display;
};

// Reads argv without changing it. The help and the version go to standard
// output, a complaint and the usage to standard error.
CommandLine read_command_line(int argc, const char *const argv[]);

}  // namespace brastola::app
