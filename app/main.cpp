#include "command_line.h"
#include "display.h"
#include "form4.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const brastola::app::CommandLine command_line = brastola::app::read_command_line(argc, argv);
    if (command_line.exit_status)
        return *command_line.exit_status;
    if (!brastola::app::screen_reachable(command_line)) {
        std::fputs(brastola::app::no_screen_message, stderr);
        return 1;
    }

    QApplication app(argc, argv);
    brastola::ui::open_start_window(app);
    return app.exec();
}
