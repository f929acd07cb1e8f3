#include "display.h"

namespace brastola::app {

// Windows and macOS draw on the session's own screen, which is always there.
const char no_screen_message[] = "";

bool screen_reachable(const CommandLine &)
{
    return true;
}

}  // namespace brastola::app
