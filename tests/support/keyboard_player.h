#pragma once

// The main window played from the keyboard: the focus, keys with the event
// loop run between them as between a player's, and a row's matches chosen by
// Tab and the arrows.

#include "main_window.h"
#include "row_view.h"

#include <QApplication>
#include <QTest>

namespace brastola::testing {

class KeyboardPlayer : protected MainWindow {
protected:
    ui::RowView *row(int r) const { return find<ui::RowView>(QStringLiteral("Picture%1").arg(r)); }
    QString focus() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    // The event loop runs between a player's keys.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        QCoreApplication::processEvents();
    }

    // A window manager gives the window the keys back once a message box has
    // gone; offscreen, nothing does.
    bool take_keys()
    {
        window->activateWindow();
        return wait_until_active(window);
    }

    // Tabs to row r and selects `count` of its matches from the left.
    bool select_by_keys(int r, int count)
    {
        if (!take_keys())
            return false;
        for (int tabs = 0; focus() != row(r)->objectName(); ++tabs) {
            if (tabs > 12)
                return false;
            key(Qt::Key_Tab);
        }
        key(Qt::Key_Home);
        for (int i = 0; i < count; ++i)
            key(Qt::Key_Right);
        return window->state().selected[r] == count;
    }
};

}  // namespace brastola::testing
