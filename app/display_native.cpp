#include "display.h"

namespace brastola::app {

// Windows and macOS draw on the session's own screen, which is always there.
std::string no_screen_message(const CommandLine &)
{
    return {};
}

ScreenProbe::ScreenProbe(const CommandLine &) : reachable_(true) {}

ScreenProbe::~ScreenProbe() = default;

}  // namespace brastola::app
