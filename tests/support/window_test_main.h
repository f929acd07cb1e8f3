#pragma once

// The main of a window test: the application with the game's look, read by
// screen readers as the program is, then the test's slots.
//   BRASTOLA_WINDOW_TEST_MAIN(Form1Test)

#include "accessibility.h"
#include "classic.h"

#include <QApplication>
#include <QTest>

#define BRASTOLA_WINDOW_TEST_MAIN(TestClass)                                                                          \
    int main(int argc, char *argv[])                                                                                 \
    {                                                                                                                \
        QApplication app(argc, argv);                                                                                \
        brastola::ui::apply_classic_look(app);                                                                       \
        brastola::ui::install_readings();                                                                            \
        TestClass test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                      \
    }
