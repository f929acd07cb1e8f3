// Thousands of random player actions on the real windows, with the game's
// invariants checked after each. A failure names the seed, the event and the
// action, so BRASTOLA_SOAK_SEED=<seed> replays it.

#include "board.h"
#include "classic.h"
#include "form1.h"
#include "main_window.h"
#include "message_closer.h"
#include "row_view.h"
#include "scripted_services.h"
#include "window_test_main.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <random>

using namespace brastola;
using namespace brastola::ui;

namespace {

constexpr int event_count = 10000;
constexpr qint64 time_limit_ms = 120'000;

// An action counts as reachable when the player could choose it: it and the
// menus it sits in are enabled.
bool reachable(QAction *action)
{
    if (!action->isEnabled())
        return false;
    for (QObject *o = action->parent(); o; o = o->parent())
        if (auto *menu = qobject_cast<QMenu *>(o); menu && !menu->menuAction()->isEnabled())
            return false;
    return true;
}

struct Action {
    const char *name;
    double weight;                // weighted towards playing, so that games reach their end
    std::function<QString()> run;  // returns what exactly it did
};

}  // namespace

class SoakTest : public QObject, private testing::MainWindow {
    Q_OBJECT

    std::mt19937 chance;
    GameState before;         // as the player's last OK found it
    RowValues computer_move;  // highlighted during the last pause with a move on show

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(chance); }

    // The same services go on: the stream of chance does not start again.
    void show_new_window()
    {
        window = new Form1(services.services());
        window->show();
        window->activateWindow();
    }

    QWidget *top_level(const char *name) const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    }

    QString click(const QString &name)
    {
        QTest::mouseClick(find(name), Qt::LeftButton, {}, QPoint(5, 5));
        return name;
    }

    std::vector<Action> actions()
    {
        return {
            {"press on a row", 400,
             [this] {  // any button, anywhere on the row, its border included
                 const int r = 1 + pick(5);
                 auto *row = find<RowView>(QStringLiteral("Picture%1").arg(r));
                 if (!row->isVisible())
                     return QStringLiteral("row %1 hidden").arg(r);
                 const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
                 const QPoint at(pick(row->width()), pick(row->height()));
                 QTest::mouseClick(row, buttons[pick(3)], {}, at);
                 return QStringLiteral("row %1 at %2,%3").arg(r).arg(at.x()).arg(at.y());
             }},
            {"OK", 216, [this] { return click(QStringLiteral("Command3")); }},
            {"Aiuto", 27, [this] { return click(QStringLiteral("Command4")); }},
            {"Aiuto, then OK as advised", 27,
             [this] {
                 click(QStringLiteral("Command4"));
                 before = window->state();
                 return click(QStringLiteral("Command3"));
             }},
            {"Nuova partita", 10, [this] { return click(QStringLiteral("Command1")); }},
            {"difficulty button", 20, [this] { return click(QStringLiteral("Option%1").arg(1 + pick(3))); }},
            {"menu item", 50,
             [this] {
                 const QList<QAction *> all = window->findChildren<QAction *>();
                 QAction *action = all[pick(static_cast<int>(all.size()))];
                 if (action->objectName() == QLatin1String("Menu1_3"))
                     return QStringLiteral("Fine spared");  // its own action below
                 if (!reachable(action) || action->menu() || action->isSeparator())
                     return QStringLiteral("%1 out of reach").arg(action->objectName());
                 action->trigger();
                 return action->objectName();
             }},
            {"shortcut", 47,
             [this] {
                 const Qt::Key keys[] = {Qt::Key_A, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_N};
                 const Qt::Key key = keys[pick(5)];
                 QTest::keyClick(window, key, Qt::ControlModifier);
                 return QKeySequence(Qt::ControlModifier | key).toString();
             }},
            {"key to the focus", 80,
             [this] {
                 const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Up,
                                         Qt::Key_Down, Qt::Key_Left,    Qt::Key_Right, Qt::Key_Home,   Qt::Key_End};
                 const Qt::Key key = keys[pick(static_cast<int>(std::size(keys)))];
                 QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.data();
                 QTest::keyClick(focus, key);
                 return QStringLiteral("%1 to %2").arg(QKeySequence(key).toString(), focus->objectName());
             }},
            {"minimise and restore", 50,
             [this] {
                 window->showMinimized();
                 window->showNormal();
                 return QString();
             }},
            {"rules or about window", 100,
             [this] {  // they come and go
                 for (const char *name : {"Form2", "Form3"})
                     if (QWidget *w = top_level(name); w && pick(2)) {
                         QTest::mouseClick(w->findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton);
                         return QStringLiteral("OK on %1").arg(QLatin1String(name));
                     }
                 QAction *open = find<QAction>(pick(2) ? QStringLiteral("menu_reg") : QStringLiteral("Menu_inf"));
                 open->trigger();
                 return open->objectName();
             }},
            {"Fine", 3,
             [this] {
                 switch (pick(3)) {
                 case 0: return click(QStringLiteral("Command2"));
                 case 1: find<QAction>(QStringLiteral("Menu1_3"))->trigger(); return QStringLiteral("menu");
                 default: QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier); return QStringLiteral("Ctrl+E");
                 }
             }},
        };
    }

    bool check(const GameState &last, QString &why) const
    {
        const GameState &s = window->state();
        auto fail = [&why](const QString &text) {
            why = text;
            return false;
        };
        int selections = 0;
        for (int r = 1; r <= 5; ++r) {
            if (s.matches[r] < 0 || s.matches[r] > 22)
                return fail(QStringLiteral("row %1 holds %2").arg(r).arg(s.matches[r]));
            if (s.selected[r] < 0 || s.selected[r] > s.matches[r])
                return fail(QStringLiteral("row %1 selects %2 of %3").arg(r).arg(s.selected[r]).arg(s.matches[r]));
            selections += s.selected[r] != 0;
            const QString count = QString::fromStdString(count_text(s.matches[r]));
            if (find<QLabel>(QStringLiteral("Label%1").arg(r))->text() != count)
                return fail(QStringLiteral("Label%1 does not show %2").arg(r).arg(count));
        }
        if (selections > 1)
            return fail(QStringLiteral("%1 rows selected").arg(selections));
        if (s.row_count == 3 && (s.matches[4] != 0 || s.matches[5] != 0))
            return fail(QStringLiteral("rows 4 and 5 in play with three rows"));

        // After an exchange the board is the board before it, less the
        // player's move, less the computer's highlighted move.
        if (s.matches != last.matches && s.first_turn != flag_true) {
            for (int r = 1; r <= 5; ++r) {
                const int expected = before.matches[r] - before.selected[r] - computer_move[r];
                if (s.matches[r] != expected)
                    return fail(QStringLiteral("row %1 holds %2 after the exchange, not %3 - %4 - %5")
                                    .arg(r)
                                    .arg(s.matches[r])
                                    .arg(before.matches[r])
                                    .arg(before.selected[r])
                                    .arg(computer_move[r]));
            }
        }

        auto marked = [this](const char *name) { return find<QAction>(QLatin1String(name))->isChecked(); };
        const bool levels_agree = marked("alto") == (s.level == 1) && marked("moderato") == (s.level == 2)
                                  && marked("basso") == (s.level == 3)
                                  && find<QRadioButton>(QStringLiteral("Option%1").arg(s.level))->isChecked();
        const bool rows_agree = marked("menu_3r") == (s.row_count == 3) && marked("menu_5r") == (s.row_count != 3);
        const bool limits_agree = marked("menu_5") == (s.max_matches == 5) && marked("menu_11") == (s.max_matches == 11)
                                  && marked("menu_22") == (s.max_matches == 22);
        if (!levels_agree || !rows_agree || !limits_agree)
            return fail(QStringLiteral("check marks disagree with the options"));

        const bool in_game = s.first_turn == flag_true || s.game_active == flag_true;
        if (find<QMenu>(QStringLiteral("Menu_opzioni"))->menuAction()->isEnabled() == in_game)
            return fail(QStringLiteral("options menu enabled: %1 in game: %2").arg(!in_game).arg(in_game));
        if (find(QStringLiteral("Picture6"))->isVisible())
            return fail(QStringLiteral("end picture left on the board"));
        return true;
    }

private slots:
    void random_play_keeps_the_game_sound()
    {
        const QByteArray given = qgetenv("BRASTOLA_SOAK_SEED");
        const unsigned seed = given.isEmpty() ? 20261209u : given.toUInt();
        chance.seed(seed);
        services.values.clear();
        testing::MessageCloser closer;

        services.during_pause = [this] {
            // The move on show is the one about to be taken.
            if (window->state().selected.sum() > 0)
                computer_move = window->state().selected;
            // Input now must be dropped; the checks after the exchange would
            // catch any of it that was taken.
            if (pick(2))
                QTest::mouseClick(find(QStringLiteral("Picture%1").arg(1 + pick(3))), Qt::LeftButton, {}, QPoint(300, 40));
            else
                QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        };
        const std::vector<Action> table = actions();
        std::vector<double> weights;
        for (const Action &a : table)
            weights.push_back(a.weight);
        std::discrete_distribution<std::size_t> choose(weights.begin(), weights.end());

        show_new_window();
        QElapsedTimer timer;
        timer.start();
        int done = 0;
        for (; done < event_count && timer.elapsed() < time_limit_ms; ++done) {
            if (!window || !window->isVisible()) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                show_new_window();  // "Fine" ended the last one
            }
            const GameState last = window->state();
            before = last;
            computer_move.clear();
            const Action &action = table[choose(chance)];
            const QString detail = action.run();
            QString why;
            if (window && window->isVisible() && !check(last, why))
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2, %3 (%4): %5")
                                     .arg(seed)
                                     .arg(done)
                                     .arg(QLatin1String(action.name), detail, why)));
        }
        qInfo("soak: %d events, seed %u, %lld ms", done, seed, timer.elapsed());
        QMap<QString, int> messages;
        for (const QString &text : closer.texts)
            ++messages[text];
        for (auto it = messages.cbegin(); it != messages.cend(); ++it)
            qInfo("  %5d × %s", it.value(), qPrintable(it.key()));
        QCOMPARE(done, event_count);
        // The stream must reach both ends of a game, or it proves little.
        QVERIFY(messages.value(QStringLiteral("HAI VINTO !!!")) > 0);
        QVERIFY(messages.value(QStringLiteral("HAI PERSO !!!")) > 0);
        // With the rules and about windows, which may still be open.
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

BRASTOLA_WINDOW_TEST_MAIN(SoakTest)

#include "soak_test.moc"
