#include "accessibility.h"
#include "command_line.h"
#include "form4.h"
#include "platform_start.h"

#include <QApplication>

#include <optional>

int main(int argc, char *argv[])
{
    const brastola::app::CommandLine command_line = brastola::app::read_command_line(argc, argv);
    if (command_line.exit_status)
        return *command_line.exit_status;

    std::optional<QApplication> app;
    {
        const brastola::app::PlatformStart start(command_line);
        app.emplace(argc, argv);
    }
    brastola::ui::install_readings();
    brastola::ui::open_start_window(*app);
    return app->exec();
}
