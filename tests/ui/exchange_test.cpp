// While the game holds the thread no channel, a screen reader's included, reaches
// the game or changes a control; at rest all do, unless their menu is disabled.

#include "main_window.h"
#include "message_closer.h"
#include "positions.h"
#include "row_view.h"
#include "window_test_main.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QRadioButton>

using namespace brastola;
using namespace brastola::ui;

namespace {

// The object's node in the window's accessible tree, where a screen reader
// finds it (a menu item has no interface of its own).
QAccessibleInterface *reader_node(QAccessibleInterface *node, QObject *object)
{
    if (node->object() == object)
        return node;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *found = reader_node(node->child(i), object))
            return found;
    return nullptr;
}

}  // namespace

class ExchangeTest : public QObject, private testing::MainWindow {
    Q_OBJECT

    // What a screen reader does to a control; "value" sets a row's count.
    void act(QObject *control, const QString &action) const
    {
        auto *widget = qobject_cast<QWidget *>(control);
        QAccessibleInterface *top = QAccessible::queryAccessibleInterface(widget ? widget->window() : window);
        QAccessibleInterface *node = reader_node(top, control);
        if (action == QLatin1String("value"))
            node->valueInterface()->setCurrentValue(2);
        else
            node->actionInterface()->doAction(action);
    }
    // The focus, and every mark and option button, as the player sees them.
    QStringList controls() const
    {
        return QStringList{window->focusWidget() ? window->focusWidget()->objectName() : QString()} + marks();
    }
    QStringList marks() const
    {
        QStringList seen;
        for (const QRadioButton *option : window->findChildren<QRadioButton *>())
            seen << option->objectName() + (option->isChecked() ? " on" : " off");
        for (const QAction *item : window->findChildren<QAction *>())
            if (item->isCheckable())
                seen << item->objectName() + (item->isChecked() ? " on" : " off");
        return seen;
    }

private slots:
    void init() { QVERIFY(open_window()); }
    void cleanup() { delete window; }

    void no_channel_is_taken_during_an_exchange_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("action");
        const QString press = QAccessibleActionInterface::pressAction();
        const std::pair<const char *, QString> cases[] = {
            {"Command3", press}, {"Command1", press}, {"Command4", press}, {"Command2", press},
            {"Option3", QAccessibleActionInterface::toggleAction()}, {"Option3", press},
            {"Picture2", QAccessibleActionInterface::setFocusAction()}, {"Picture1", "value"},
            {"basso", press}, {"menu_reg", press}, {"Menu_inf", press}, {"menu1_1", press},
            {"menu", QAccessibleActionInterface::showMenuAction()},
        };
        for (const auto &[control, action] : cases)
            for (const char *when : {"pause", "message box"})
                QTest::addRow("%s %s, %s", qPrintable(action), control, when) << QString(control) << action;
    }

    // A press takes effect 100 ms later, after the exchange: it is dropped all
    // the same, and any control Qt changed by itself is put back.
    void no_channel_is_taken_during_an_exchange()
    {
        QFETCH(QString, control);
        QFETCH(QString, action);
        const bool in_box = QByteArray(QTest::currentDataTag()).endsWith("box");
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        services.script_deal({3, 4, 5, 6, 7});
        find<QAction>(QStringLiteral("menu1_1"))->trigger();
        act(find(QStringLiteral("Picture1")), QStringLiteral("value"));  // two of row 1
        const QStringList before = controls();
        auto use = [&] {
            QObject *target = window->findChild<QObject *>(control);
            if (auto *menu = qobject_cast<QMenu *>(target))
                target = menu->menuAction();
            act(target, action);
        };
        // The event loop runs before the player answers, and in the pause:
        // a mark Qt changed is put back then, not only once it is over.
        QStringList meanwhile;
        auto use_and_look = [&] {
            use();
            QCoreApplication::processEvents();
            meanwhile = marks();
        };
        testing::MessageCloser closer;
        if (in_box)
            closer.open = [&](const QString &) { use_and_look(); };
        else
            services.during_pause = use_and_look;
        find<QAbstractButton>(QStringLiteral("Command3"))->click();
        QTest::qWait(150);  // a press clicks 100 ms later

        QCOMPARE(closer.texts, QStringList{QStringLiteral("Computer: adesso tocca a me!")});
        QCOMPARE(meanwhile, before.mid(1));
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->state().matches, testing::position({1, 4, 5, 6, 6}));
        QCOMPARE(window->state().selected.sum(), 0);
        for (int r = 1; r <= 5; ++r) {
            const RowView *row = find<RowView>(QStringLiteral("Picture%1").arg(r));
            QCOMPARE(row->matches_shown(), window->state().matches[r]);
            QCOMPARE(row->selected_shown(), 0);
        }
        QCOMPARE(controls(), before);
        for (const QWidget *other : QApplication::topLevelWidgets())
            QVERIFY2(other == window || !other->isVisible(), qPrintable(other->objectName()));
    }

    // The rules and about windows are the program's too: their OK waits for
    // the exchange to end like the main window's controls.
    void the_other_windows_wait_for_the_exchange()
    {
        services.script_deal({3, 4, 5, 6, 7});
        find<QAction>(QStringLiteral("menu1_1"))->trigger();
        find<QAction>(QStringLiteral("menu_reg"))->trigger();
        find<QAction>(QStringLiteral("Menu_inf"))->trigger();
        QList<QPointer<QWidget>> others;
        for (QWidget *other : QApplication::topLevelWidgets())
            if (other->objectName() == QLatin1String("Form2") || other->objectName() == QLatin1String("Form3"))
                others << other;
        QCOMPARE(others.size(), 2);
        auto press_ok = [&] {
            for (QWidget *other : others)
                act(other->findChild<QAbstractButton *>(QStringLiteral("Command1")),
                    QAccessibleActionInterface::pressAction());
        };
        testing::MessageCloser closer;
        services.during_pause = press_ok;
        find<QAbstractButton>(QStringLiteral("Command3"))->click();
        QTest::qWait(150);  // a press clicks 100 ms later
        for (QWidget *other : others)
            QVERIFY(other && other->isVisible());
        press_ok();
        for (QPointer<QWidget> &other : others)
            QTRY_VERIFY(other.isNull());
    }

    // Only a handler that waited drops the input queued behind it: keys typed
    // fast on a row all count.
    void input_queued_behind_a_quick_handler_is_taken()
    {
        services.script_deal({7, 1, 1, 1, 1});
        find<QAction>(QStringLiteral("menu1_1"))->trigger();
        QWidget *row = find(QStringLiteral("Picture1"));
        row->setFocus();
        for (int i = 0; i < 3; ++i)
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(row, new QKeyEvent(type, Qt::Key_Right, Qt::NoModifier));
        QCoreApplication::processEvents();
        QCOMPARE(window->state().selected[1], 3);
    }

    void a_toggle_at_rest_is_a_click()
    {
        act(find(QStringLiteral("Option3")), QAccessibleActionInterface::toggleAction());
        QCOMPARE(window->state().level, 3);
        QVERIFY(find<QAction>(QStringLiteral("basso"))->isChecked());
        QVERIFY(!find<QAction>(QStringLiteral("moderato"))->isChecked());
    }

    // During a game the options menu is disabled, and so are its items for
    // a screen reader, which presses them without opening the menu.
    void a_disabled_menu_refuses_its_items()
    {
        find<QAction>(QStringLiteral("menu1_1"))->trigger();
        const QStringList before = controls();
        for (const char *item : {"menu_3r", "menu_5", "menu_11"})
            act(find<QAction>(QLatin1String(item)), QAccessibleActionInterface::pressAction());
        QCOMPARE(controls(), before);
        QCOMPARE(window->state().row_count, 0);
        QCOMPARE(window->state().max_matches, 22);
        QVERIFY(find(QStringLiteral("Picture4"))->isVisible());
    }
};

BRASTOLA_WINDOW_TEST_MAIN(ExchangeTest)

#include "exchange_test.moc"
