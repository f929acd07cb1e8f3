// The reference start: a bare Qt program with one empty main window, ending
// right after that window's first paint.

#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    bench::FirstPaintReporter reporter(&window);
    window.show();
    return app.exec();
}
