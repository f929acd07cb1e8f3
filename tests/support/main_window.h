#pragma once

// The main window on scripted time and chance, opened afresh for each test
// (shown and active: shortcuts work only in the active window), and its
// controls found by their names.

#include "desktop.h"
#include "form1.h"
#include "scripted_services.h"

#include <QTest>

namespace brastola::testing {

class MainWindow {
protected:
    ScriptedServices services;
    QPointer<ui::Form1> window;

    bool open_window()
    {
        services = ScriptedServices();
        window = new ui::Form1(services.services());
        window->show();
        return wait_until_active(window);
    }
    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
};

}  // namespace brastola::testing
