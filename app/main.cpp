#include "accessibility.h"
#include "command_line.h"
#include "display.h"
#include "form4.h"
#include "platform_start.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[])
{
    const brastola::app::CommandLine command_line = brastola::app::read_command_line(argc, argv);
    if (command_line.exit_status)
        return *command_line.exit_status;
    std::optional<brastola::app::ScreenProbe> screen(command_line);
    if (!screen->reachable()) {
        std::fputs(brastola::app::no_screen_message(command_line).c_str(), stderr);
        return 1;
    }

    std::optional<QApplication> app;
    {
        const brastola::app::PlatformStart start(command_line);
        app.emplace(argc, argv);
    }
    screen.reset();  // Qt holds its own connection now
    brastola::ui::install_readings();
    brastola::ui::open_start_window(*app);
    return app->exec();
}
