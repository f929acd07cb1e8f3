// The game without a mouse: the tab order, the option group, the focus frame
// of a row, and whole games played with keys alone.

#include "keyboard_player.h"
#include "message_closer.h"
#include "window_test_main.h"

#include <QAction>
#include <QRadioButton>

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

}  // namespace

class KeyboardTest : public QObject, private testing::KeyboardPlayer {
    Q_OBJECT

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
    void init() { QVERIFY(open_window()); }
    void cleanup() { delete window; }

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

};

BRASTOLA_WINDOW_TEST_MAIN(KeyboardTest)

#include "keyboard_test.moc"
