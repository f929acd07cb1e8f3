// Thousands of random player actions on the real windows, with the game's
// invariants checked after each. A failure names the seed and the event, so
// BRASTOLA_SOAK_SEED=<seed> replays it.

#include "board.h"
#include "classic.h"
#include "form1.h"
#include "row_view.h"
#include "scripted_services.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

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

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

    testing::ScriptedServices services;
    QPointer<Form1> window;
    std::mt19937 chance;
    QString failure;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(chance); }

    template <typename T = QWidget>
    T *find(const QString &name) const { return window->findChild<T *>(name); }

    void open_window()
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

    QString act()
    {
        // Weighted towards playing, so that games reach their end.
        const int kind = pick(20);
        if (kind < 8) {  // a press of any button anywhere on a row
            const int r = 1 + pick(5);
            auto *row = find<RowView>(QStringLiteral("Picture%1").arg(r));
            if (!row->isVisible())
                return QStringLiteral("row %1 hidden").arg(r);
            const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
            const QPoint at(pick(row->width()), pick(row->height()));
            QTest::mouseClick(row, buttons[pick(3)], {}, at);
            return QStringLiteral("click row %1 at %2,%3").arg(r).arg(at.x()).arg(at.y());
        }
        if (kind < 14) {
            const char *names[] = {"Command3", "Command3", "Command3", "Command3", "Command4",
                                   "Command1", "Option1", "Option2", "Option3", "Command2"};
            const int choice = pick(10) != 0 ? pick(5) : 5 + pick(pick(10) == 0 ? 5 : 4);  // "Fine" seldom
            const char *name = names[choice];
            QTest::mouseClick(find(QLatin1String(name)), Qt::LeftButton, {}, QPoint(5, 5));
            if (choice == 4 && pick(2)) {  // take the hint's advice, as players do
                QTest::mouseClick(find(QStringLiteral("Command3")), Qt::LeftButton, {}, QPoint(5, 5));
                return QStringLiteral("Command4, Command3");
            }
            return QString::fromLatin1(name);
        }
        switch (kind) {
        case 14: {
            const QList<QAction *> actions = window->findChildren<QAction *>();
            QAction *action = actions[pick(static_cast<int>(actions.size()))];
            if (action->objectName() == QLatin1String("Menu1_3") && pick(20) != 0)
                return QStringLiteral("Fine spared");
            if (!reachable(action) || action->menu() || action->isSeparator())
                return QStringLiteral("%1 out of reach").arg(action->objectName());
            action->trigger();
            return action->objectName();
        }
        case 15: {
            const Qt::Key keys[] = {Qt::Key_A, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_N, Qt::Key_E};
            const Qt::Key key = keys[pick(pick(20) == 0 ? 6 : pick(3) == 0 ? 5 : 4)];
            QTest::keyClick(window, key, Qt::ControlModifier);
            return QStringLiteral("Ctrl+key %1").arg(key, 0, 16);
        }
        case 16:
            window->showMinimized();
            window->showNormal();
            return QStringLiteral("minimise, restore");
        case 17: {  // keys for whatever has the focus
            const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down};
            const Qt::Key key = keys[pick(5)];
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.data(), key);
            return QStringLiteral("key %1").arg(key, 0, 16);
        }
        default: {  // the rules and about windows come and go
            for (const char *name : {"Form2", "Form3"})
                if (QWidget *w = top_level(name); w && pick(2)) {
                    QTest::mouseClick(w->findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton);
                    return QStringLiteral("OK on %1").arg(QLatin1String(name));
                }
            QAction *open = find<QAction>(pick(2) ? QStringLiteral("menu_reg") : QStringLiteral("Menu_inf"));
            open->trigger();
            return open->objectName();
        }
        }
    }

    bool check(QString &why) const
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

        QMap<QString, int> messages;
        QTimer closer;  // message boxes are answered as they open
        connect(&closer, &QTimer::timeout, [&messages] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++messages[box->text()];
                QTest::keyClick(box->windowHandle(), Qt::Key_Return);
            }
        });
        closer.start(0);

        // Input during the computer's pauses must be dropped; the checks after
        // the exchange would catch any of it that was taken.
        services.during_pause = [this] {
            if (pick(2))
                QTest::mouseClick(find(QStringLiteral("Picture%1").arg(1 + pick(3))), Qt::LeftButton, {}, QPoint(300, 40));
            else
                QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        };
        open_window();
        QElapsedTimer timer;
        timer.start();
        int done = 0;
        for (; done < event_count && timer.elapsed() < time_limit_ms; ++done) {
            if (!window || !window->isVisible()) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                open_window();  // "Fine" ended the last one
            }
            const QString action = act();
            QString why;
            if (window && window->isVisible() && !check(why))
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4").arg(seed).arg(done).arg(action, why)));
        }
        qInfo("soak: %d events, seed %u, %lld ms", done, seed, timer.elapsed());
        for (auto it = messages.cbegin(); it != messages.cend(); ++it)
            qInfo("  %5d × %s", it.value(), qPrintable(it.key()));
        QCOMPARE(done, event_count);
        // The stream must reach both ends of a game, or it proves little.
        QVERIFY(messages.value(QStringLiteral("HAI VINTO !!!")) > 0);
        QVERIFY(messages.value(QStringLiteral("HAI PERSO !!!")) > 0);
        delete window;
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    apply_classic_look(app);
    SoakTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "soak_test.moc"
