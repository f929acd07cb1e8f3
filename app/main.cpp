#include "classic.h"
#include "form4.h"
#include "pictures.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    brastola::ui::apply_classic_look(app);
    QApplication::setWindowIcon(brastola::ui::app_icon());

    // The start window deletes itself when it closes; it opens the main window.
    auto *start = new brastola::ui::Form4;
    start->show();
    start->activateWindow();
    return app.exec();
}
