#pragma once

#include "platform.h"

namespace brastola::ui {

// The clock and the generator the main window hands to the game. The program
// always uses system_services(); tests pass their own to make time and chance
// scripted.
struct Services {
    Clock *clock;
    RandomSource *random;
};

Services system_services();

}  // namespace brastola::ui
