#include "form4.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    brastola::ui::open_start_window(app);
    return app.exec();
}
