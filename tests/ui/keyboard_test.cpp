// The game without a mouse and without sight: the tab order, whole games
// played with keys alone, and what a screen reader is told.

#include "classic.h"
#include "form1.h"
#include "main_window.h"
#include "message_closer.h"
#include "positions.h"
#include "row_slots.h"
#include "row_view.h"
#include "window_test_main.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace brastola;
using namespace brastola::ui;
using brastola::testing::MessageCloser;

namespace {

// Counts the mouse presses the application receives.
class MouseWatch : public QObject {
public:
    int presses = 0;
    MouseWatch() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        return false;
    }
};

// The accessibility events sent, as "object: event" lines, and the
// sentences the announcer said, as a reader reads them when it is shown.
QStringList accessibility_events;
QStringList heard;
void record_accessibility(QAccessibleEvent *event)
{
    const QString name = event->object()->objectName();
    accessibility_events << QStringLiteral("%1: %2").arg(name).arg(event->type());
    if (name == QLatin1String("announcer") && event->type() == QAccessible::ObjectShow)
        heard << event->accessibleInterface()->text(QAccessible::Name);
}

QString reading(QWidget *w, QAccessible::Text text = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(w)->text(text);
}

}  // namespace

class KeyboardTest : public QObject, private testing::MainWindow {
    Q_OBJECT

    RowView *row(int r) const { return find<RowView>(QStringLiteral("Picture%1").arg(r)); }
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
        return testing::wait_until_active(window);
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

    // Deals with Ctrl+N, then plays each turn with the keys until the game is
    // over: `winning` takes the move that balances the rows, otherwise one
    // match of the first row that has any.
    QStringList play_by_keys(std::initializer_list<int> deal, bool winning)
    {
        MouseWatch mouse;
        MessageCloser closer;
        services.script_deal(deal);
        key(Qt::Key_N, Qt::ControlModifier);
        for (int turn = 0; turn < 40 && window->state().matches.sum() > 0; ++turn) {
            const RowValues &m = window->state().matches;
            int row = 1, take = 1;
            while (m[row] == 0)
                ++row;
            if (winning) {
                const int balance = m[1] ^ m[2] ^ m[3] ^ m[4] ^ m[5];
                for (int r = 1; r <= 5; ++r)
                    if ((m[r] ^ balance) < m[r]) {
                        row = r;
                        take = m[r] - (m[r] ^ balance);
                    }
            }
            if (!select_by_keys(row, take))
                return {QStringLiteral("could not select %1 of row %2").arg(take).arg(row)};
            key(turn % 2 ? Qt::Key_Return : Qt::Key_Space);
        }
        if (mouse.presses)
            return {QStringLiteral("%1 mouse presses").arg(mouse.presses)};
        return closer.texts;
    }

private slots:
    void init()
    {
        QVERIFY(open_window());
        accessibility_events.clear();
        heard.clear();
        QAccessible::installUpdateHandler(record_accessibility);
        // As when a screen reader listens: only then are events sent.
        QPlatformAccessibility *readers = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(readers);
        readers->setActive(true);
    }
    void cleanup()
    {
        QAccessible::installUpdateHandler(nullptr);
        delete window;
    }

    void tab_order_runs_through_the_buttons_then_the_rows_in_play()
    {
        const QStringList buttons = {"Command1", "Option2", "Command3", "Command4", "Command2"};
        QStringList seen = {focus()};
        for (int i = 0; i < buttons.size(); ++i, seen << focus())
            key(Qt::Key_Tab);
        QCOMPARE(seen, buttons + QStringList{"Command1"});  // empty rows are no stops

        find<QAction>(QStringLiteral("menu_3r"))->trigger();
        services.script_deal({1, 1, 1, 1, 1});
        key(Qt::Key_N, Qt::ControlModifier);
        seen = QStringList{focus()};
        for (int i = 0; i < 8; ++i, seen << focus())
            key(Qt::Key_Backtab);
        QCOMPARE(seen, (QStringList{"Command1", "Picture3", "Picture2", "Picture1", "Command2", "Command4",
                                    "Command3", "Option2", "Command1"}));
        QVERIFY(!row(1)->hasFocus());
    }

    void option_group_takes_the_focus_on_its_selected_button()
    {
        key(Qt::Key_F3, Qt::ControlModifier);
        key(Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("Option3"));
        key(Qt::Key_Space);  // selects what is already selected
        QCOMPARE(window->state().level, 3);
        key(Qt::Key_Up);  // arrows move the selection within the group
        QCOMPARE(focus(), QStringLiteral("Option2"));
        QCOMPARE(window->state().level, 2);
        key(Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("Command3"));
        key(Qt::Key_Backtab);
        QCOMPARE(focus(), QStringLiteral("Option2"));
    }

    void a_click_anywhere_in_an_option_box_selects_it()
    {
        auto *alto = find<QRadioButton>(QStringLiteral("Option1"));
        QTest::mouseClick(alto, Qt::LeftButton, {}, QPoint(alto->width() - 2, alto->height() / 2));
        QVERIFY(alto->isChecked());
        QCOMPARE(window->state().level, 1);
    }

    void a_focused_row_shows_a_dotted_frame_inside_its_border()
    {
        services.script_deal({1, 1, 1, 1, 1});
        key(Qt::Key_N, Qt::ControlModifier);
        const QImage unfocused = row(1)->grab().toImage();
        row(1)->setFocus(Qt::TabFocusReason);
        const QImage focused = row(1)->grab().toImage();
        int changed = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                    ++changed;
                    const bool frame_line = x == 3 || y == 3 || x == focused.width() - 4 || y == focused.height() - 4;
                    QVERIFY2(frame_line, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
        QVERIFY(changed > 100);  // dotted: about every other pixel of the frame
    }

    void a_game_won_with_the_keys_alone()
    {
        key(Qt::Key_F1, Qt::ControlModifier);
        const QStringList said = play_by_keys({3, 4, 5, 6, 1}, true);
        QCOMPARE(said.value(said.size() - 1), QStringLiteral("HAI VINTO !!!"));
        QVERIFY(said.contains(QStringLiteral("Computer: adesso tocca a me!")));
        QCOMPARE(window->state().matches.sum(), 0);
    }

    void a_game_lost_with_the_keys_alone()
    {
        key(Qt::Key_F1, Qt::ControlModifier);
        const QStringList said = play_by_keys({1, 2, 3, 4, 4}, false);
        QCOMPARE(said.value(said.size() - 1), QStringLiteral("HAI PERSO !!!"));
        QCOMPARE(window->state().matches.sum(), 0);
    }

    // The player hears each selection once, with what it means; the rows
    // themselves say nothing as they change.
    void every_selection_is_heard_with_its_meaning()
    {
        for (int r = 1; r <= 5; ++r) {
            QAccessibleInterface *row_reading = QAccessible::queryAccessibleInterface(row(r));
            QCOMPARE(row_reading->text(QAccessible::Name), QStringLiteral("Riga %1").arg(r));
            QCOMPARE(row_reading->role(), QAccessible::Slider);
            QVERIFY(!row_reading->state().focusable);  // until it holds matches
        }
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(heard, QStringList{"Nuova partita: 7, 1, 3, 4 e 5 fiammiferi"});
        QVERIFY(QAccessible::queryAccessibleInterface(row(1))->state().focusable);

        row(1)->setFocus(Qt::TabFocusReason);
        accessibility_events.clear();
        const struct {
            Qt::Key key;
            int selected;
            const char *said;
        } keys[] = {
            {Qt::Key_Right, 1, "1 selezionato, ne resterebbero 6"},
            {Qt::Key_Up, 2, "2 selezionati, ne resterebbero 5"},
            {Qt::Key_Up, 3, "3 selezionati, ne resterebbero 4"},
            {Qt::Key_Down, 2, "2 selezionati, ne resterebbero 5"},
            {Qt::Key_Home, 0, "nessuno selezionato"},
            {Qt::Key_End, 7, "7 selezionati, non ne resterebbe nessuno"},
            {Qt::Key_Left, 6, "6 selezionati, ne resterebbe 1"},
        };
        for (const auto &k : keys) {
            heard.clear();
            key(k.key);
            QCOMPARE(window->state().selected[1], k.selected);
            QCOMPARE(heard, QStringList{k.said});
            QCOMPARE(reading(row(1), QAccessible::Value), QLatin1String(k.said));
        }
        auto *value = QAccessible::queryAccessibleInterface(row(1))->valueInterface();
        QCOMPARE(value->currentValue().toInt(), 6);
        QCOMPARE(value->maximumValue().toInt(), 7);
        const QString renamed = QStringLiteral("Label6: %1").arg(QAccessible::NameChanged);
        for (const QString &e : std::as_const(accessibility_events))
            QVERIFY2(e.startsWith(QLatin1String("announcer")) || e == renamed, qPrintable(e));

        // A click selects, and leaves the focus where it was.
        heard.clear();
        const QRect area = row(3)->contentsRect();
        const int x = static_cast<int>(brastola::testing::slot_middle(2, 3, area.width()));
        QTest::mouseClick(row(3), Qt::LeftButton, {}, area.topLeft() + QPoint(x, 40));
        QCoreApplication::processEvents();
        QCOMPARE(focus(), QStringLiteral("Picture1"));
        value->setCurrentValue(5);  // a reader may choose the count too
        QCOMPARE(window->state().selected, (brastola::testing::position({5, 0, 0, 0, 0})));
        QCoreApplication::processEvents();
        QCOMPARE(heard, (QStringList{"2 selezionati, ne resterebbe 1", "5 selezionati, ne resterebbero 2"}));
    }

    // The hint, a level from the menu and the computer's move are heard
    // wherever the focus is; a row that empties hands its focus on.
    void what_happens_is_heard_wherever_the_focus_is()
    {
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_F3, Qt::ControlModifier);
        key(Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(heard, (QStringList{"Nuova partita: 7, 1, 3, 4 e 5 fiammiferi",
                                     "Aiuto: togli 4 fiammiferi dalla riga 5", "Grado di difficoltà: Basso",
                                     "Grado di difficoltà: Alto"}));

        // Taking row 2 leaves 7, 0, 3, 4, 5, which the computer balances by
        // emptying row 5.
        QVERIFY(select_by_keys(2, 1));
        heard.clear();
        MessageCloser closer;
        key(Qt::Key_Return);
        QCOMPARE(heard, QStringList{"Il computer toglie 5 fiammiferi dalla riga 5: non ne resta nessuno"});
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Picture3"));
        QVERIFY(!QAccessible::queryAccessibleInterface(row(2))->state().focusable);
    }

    void labels_and_pictures_are_read_for_what_they_mean()
    {
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        row(1)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_End);
        QAccessibleInterface *count = QAccessible::queryAccessibleInterface(find(QStringLiteral("Label1")));
        QAccessibleInterface *remaining = QAccessible::queryAccessibleInterface(find(QStringLiteral("Label6")));
        QCOMPARE(count->text(QAccessible::Name), QStringLiteral("Riga 1, 7 fiammiferi"));
        QCOMPARE(remaining->text(QAccessible::Name), QStringLiteral("Riga 1, non ne resterebbe nessuno"));
        QCOMPARE(reading(find(QStringLiteral("Label7"))), QString());
        // The row is named after its count label alone.
        const auto labelled = count->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first->object(), row(1));
        QVERIFY(remaining->relations().isEmpty());

        QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(find(QStringLiteral("Command3")));
        QCOMPARE(ok->role(), QAccessible::Button);
        QCOMPARE(ok->text(QAccessible::Name), QStringLiteral("OK"));

        // Every object a reader can reach in the window, the hidden holders
        // of the pictures nowhere among them.
        QStringList names;
        std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
            names << node->object()->objectName();
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(window));
        for (const char *name : {"Picture1", "Label1", "Label6", "Command3", "Option2", "Picture6"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
        for (const QString &name : names)
            QVERIFY2(!name.startsWith(QLatin1String("fia")), qPrintable(name));
    }

    // Five single matches: taking one a turn, whoever moves first takes the
    // last. The picture that covers the board says what it shows.
    void the_end_of_game_picture_says_what_it_shows()
    {
        QAccessibleInterface *end = QAccessible::queryAccessibleInterface(find(QStringLiteral("Picture6")));
        MessageCloser closer;
        QStringList shown;
        closer.open = [&](const QString &text) {
            if (text.startsWith(QLatin1String("HAI")))
                shown << end->text(QAccessible::Name);
        };
        services.during_pause = [&] {
            if (find(QStringLiteral("Picture6"))->isVisible())
                shown << end->text(QAccessible::Name);
        };
        auto play_out = [&](bool computer_first) {
            QVERIFY(take_keys());
            services.script_deal({1, 1, 1, 1, 1});
            key(Qt::Key_N, Qt::ControlModifier);
            if (computer_first) {
                QVERIFY(select_by_keys(1, 0));
                key(Qt::Key_Return);
            }
            for (int r = 1; r <= 5 && window->state().matches.sum() > 0; ++r)
                if (window->state().matches[r] > 0 && select_by_keys(r, 1))
                    key(Qt::Key_Return);
        };
        play_out(false);
        QCOMPARE(shown, QStringList{"Il computer, triste"});
        shown.clear();
        play_out(true);
        QCOMPARE(shown, (QStringList{"Il computer che sogghigna", "Il computer che fa la linguaccia",
                                     "Il computer che sogghigna", "Il computer che fa la linguaccia"}));
    }
};

BRASTOLA_WINDOW_TEST_MAIN(KeyboardTest)

#include "keyboard_test.moc"
