#pragma once

// The main window on scripted time and chance, opened afresh for each test
// (shown and active: shortcuts work only in the active window), and its
// controls found by their names.

#include "form1.h"
#include "scripted_services.h"

#include <QApplication>
#include <QTest>

namespace brastola::testing {

// Wayland leaves placing the windows to the compositor (Qt reports each at
// its screen's corner), and giving them the keys: to each window it maps.
inline bool program_places_windows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// There qWaitForWindowActive() and isActiveWindow() come before the keys.
inline bool wait_until_active(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

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
