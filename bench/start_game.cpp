// The game's own start, ending right after the start window's first paint.

#include "first_paint.h"
#include "form4.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    bench::FirstPaintReporter reporter(brastola::ui::open_start_window(app));
    return app.exec();
}
