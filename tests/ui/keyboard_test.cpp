// The game without a mouse and without sight: the tab order, whole games
// played with keys alone, and what a screen reader is told.

#include "classic.h"
#include "form1.h"
#include "main_window.h"
#include "message_closer.h"
#include "positions.h"
#include "row_slots.h"
#include "row_view.h"

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

// The accessibility events sent, as "object: event" lines.
QStringList accessibility_events;
void record_accessibility(QAccessibleEvent *event)
{
    accessibility_events << QStringLiteral("%1: %2").arg(event->object()->objectName()).arg(event->type());
}

QString description(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

}  // namespace

class KeyboardTest : public QObject, private testing::MainWindow {
    Q_OBJECT

    RowView *row(int r) const { return find<RowView>(QStringLiteral("Picture%1").arg(r)); }
    QString focus() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }

    // A window manager gives the window the keys back once a message box has
    // gone; offscreen, nothing does.
    bool take_keys()
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
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
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
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

    void tab_order_runs_through_the_buttons_then_the_rows()
    {
        const QStringList five_rows = {"Command1", "Option2", "Command3", "Command4", "Command2",
                                       "Picture1", "Picture2", "Picture3", "Picture4", "Picture5"};
        QStringList seen = {focus()};
        for (int i = 0; i < five_rows.size(); ++i, seen << focus())
            key(Qt::Key_Tab);
        QCOMPARE(seen, five_rows + QStringList{"Command1"});

        find<QAction>(QStringLiteral("menu_3r"))->trigger();
        seen = QStringList{focus()};
        for (int i = 0; i < 8; ++i, seen << focus())
            key(Qt::Key_Backtab);
        QCOMPARE(seen, (QStringList{"Command1", "Picture3", "Picture2", "Picture1", "Command2", "Command4",
                                    "Command3", "Option2", "Command1"}));
        QVERIFY(!row(1)->hasFocus());
    }

    void option_group_takes_the_focus_on_its_selected_button()
    {
        QTest::keyClick(window, Qt::Key_F3, Qt::ControlModifier);
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
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
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
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        const QStringList said = play_by_keys({3, 4, 5, 6, 1}, true);
        QCOMPARE(said.value(said.size() - 1), QStringLiteral("HAI VINTO !!!"));
        QVERIFY(said.contains(QStringLiteral("Computer: adesso tocca a me!")));
        QCOMPARE(window->state().matches.sum(), 0);
    }

    void a_game_lost_with_the_keys_alone()
    {
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        const QStringList said = play_by_keys({1, 2, 3, 4, 4}, false);
        QCOMPARE(said.value(said.size() - 1), QStringLiteral("HAI PERSO !!!"));
        QCOMPARE(window->state().matches.sum(), 0);
    }

    void rows_are_read_with_their_matches_and_selection()
    {
        for (int r = 1; r <= 5; ++r) {
            QAccessibleInterface *row_reading = QAccessible::queryAccessibleInterface(row(r));
            QCOMPARE(row_reading->text(QAccessible::Name), QStringLiteral("Riga %1").arg(r));
            QCOMPARE(row_reading->role(), QAccessible::Slider);
            QVERIFY(row_reading->state().focusable);
            QCOMPARE(row_reading->text(QAccessible::Description), QStringLiteral("nessun fiammifero"));
        }
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        services.script_deal({7, 1, 3, 4, 5});
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(description(row(1)), QStringLiteral("7 fiammiferi, nessuno selezionato"));
        QCOMPARE(description(row(2)), QStringLiteral("1 fiammifero, nessuno selezionato"));
        QCoreApplication::processEvents();  // rows tell readers once they are drawn whole
        QVERIFY(accessibility_events.contains(QStringLiteral("Picture1: %1").arg(QAccessible::DescriptionChanged)));

        row(1)->setFocus(Qt::TabFocusReason);
        accessibility_events.clear();
        for (int i = 0; i < 3; ++i) {
            key(Qt::Key_Right);
            QCoreApplication::processEvents();  // the event loop runs between keys
        }
        QCOMPARE(description(row(1)), QStringLiteral("7 fiammiferi, 3 selezionati"));
        auto *value = QAccessible::queryAccessibleInterface(row(1))->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 3);
        QCOMPARE(value->maximumValue().toInt(), 7);
        // Told once a key, not once a match drawn; the other rows unchanged.
        QCOMPARE(accessibility_events.count(QStringLiteral("Picture1: %1").arg(QAccessible::DescriptionChanged)), 3);
        QCOMPARE(accessibility_events.count(QStringLiteral("Picture1: %1").arg(QAccessible::ValueChanged)), 3);
        QVERIFY(!accessibility_events.contains(QStringLiteral("Picture2: %1").arg(QAccessible::DescriptionChanged)));

        const QRect area = row(3)->contentsRect();
        const int x = static_cast<int>(brastola::testing::slot_middle(2, 3, area.width()));
        QTest::mouseClick(row(3), Qt::LeftButton, {}, area.topLeft() + QPoint(x, 40));
        QCOMPARE(description(row(3)), QStringLiteral("3 fiammiferi, 2 selezionati"));
        QCOMPARE(description(row(1)), QStringLiteral("7 fiammiferi, nessuno selezionato"));

        value->setCurrentValue(5);  // a reader may choose the count too
        QCOMPARE(window->state().selected, (brastola::testing::position({5, 0, 0, 0, 0})));

        // From 5 of 7, 1, 3, 4, 5 taken the computer balances the rows with
        // row 5, 1 of 5; its move is on show, and told, during the pause.
        QString during;
        bool told = false;
        services.during_pause = [&] {
            during = description(row(5));
            accessibility_events.clear();
            QCoreApplication::processEvents();  // as the real pause does
            told = accessibility_events.contains(QStringLiteral("Picture5: %1").arg(QAccessible::DescriptionChanged));
        };
        MessageCloser closer;
        key(Qt::Key_Return);
        QCOMPARE(during, QStringLiteral("5 fiammiferi, 1 selezionato"));
        QVERIFY(told);
        QCOMPARE(description(row(5)), QStringLiteral("4 fiammiferi, nessuno selezionato"));
    }

    void labels_and_pictures_are_read_for_what_they_mean()
    {
        services.script_deal({7, 1, 3, 4, 5});
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        row(1)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_End);
        QAccessibleInterface *count = QAccessible::queryAccessibleInterface(find(QStringLiteral("Label1")));
        QAccessibleInterface *remaining = QAccessible::queryAccessibleInterface(find(QStringLiteral("Label6")));
        QCOMPARE(count->text(QAccessible::Name), QStringLiteral("Riga 1, fiammiferi: 7"));
        QCOMPARE(remaining->text(QAccessible::Name), QStringLiteral("Riga 1, ne resterebbero: 0"));
        for (QAccessibleInterface *label : {count, remaining}) {
            const auto labelled = label->relations(QAccessible::Labelled);
            QCOMPARE(labelled.size(), 1);
            QCOMPARE(labelled.first().first->object(), row(1));
        }

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
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    apply_classic_look(app);
    KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "keyboard_test.moc"
