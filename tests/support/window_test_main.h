#pragma once

// The main of a window test: the application with the game's look, then the
// test's slots.
//   BRASTOLA_WINDOW_TEST_MAIN(Form1Test)

#include "classic.h"

#include <QApplication>
#include <QTest>

#define BRASTOLA_WINDOW_TEST_MAIN(TestClass)                                                                          \
    int main(int argc, char *argv[])                                                                                 \
    {                                                                                                                \
        QApplication app(argc, argv);                                                                                \
        brastola::ui::apply_classic_look(app);                                                                       \
        TestClass test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                      \
    }
