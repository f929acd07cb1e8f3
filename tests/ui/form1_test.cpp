#include "classic.h"
#include "form1.h"
#include "platform.h"
#include "message_closer.h"
#include "row_slots.h"
#include "row_view.h"
#include "scripted_services.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace brastola;
using namespace brastola::ui;
using brastola::testing::MessageCloser;
using brastola::testing::ScriptedServices;

namespace {

QColor pixel_of(QWidget *widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    ScriptedServices services;
    QPointer<Form1> window;

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char *label) const { return find<QLabel>(label)->text(); }
    RowView *row(int r) const { return find<RowView>(control_name(row_control(r))); }

    // Clicks row r where the slot grid selects `count` of its n matches.
    void click_row(int r, int count, Qt::MouseButton button = Qt::LeftButton)
    {
        RowView *view = row(r);
        const QRect area = view->contentsRect();
        const double x = brastola::testing::slot_middle(count, window->state().matches[r], area.width());
        QTest::mouseClick(view, button, {}, QPoint(area.left() + static_cast<int>(x), area.center().y()));
    }
    void press(const char *button) { find<QAbstractButton>(button)->click(); }
    void deal(std::initializer_list<int> counts)
    {
        services.script_deal(counts);
        find<QAction>("menu1_1")->trigger();
    }

private slots:
    void init()
    {
        services = ScriptedServices();
        window = new Form1(services.services());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() { delete window; }

    void layout_matches_the_design()
    {
        QCOMPARE(window->centralWidget()->size(), QSize(544, 465));
        QCOMPARE(window->centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(191, 88));
        const struct {
            const char *name;
            QRect twips;
        } controls[] = {
            {"Picture1", {720, 120, 4092, 1050}},  {"Picture5", {720, 4440, 4092, 1050}},
            {"Label1", {120, 120, 960, 348}},      {"Label5", {120, 4440, 960, 348}},
            {"Label6", {360, 720, 708, 240}},      {"Label10", {360, 5040, 708, 240}},
            {"Picture6", {120, 0, 4812, 5532}},    {"Command3", {4920, 0, 1452, 2520}},
            {"Command1", {4920, 2640, 1452, 372}}, {"Frame1", {4920, 3000, 1452, 972}},
            {"Option1", {120, 200, 1212, 252}},    {"Option2", {120, 440, 1092, 252}},
            {"Option3", {120, 680, 972, 252}},     {"Command4", {4920, 4080, 1452, 372}},
            {"Command2", {4920, 4560, 1452, 372}}, {"Label11", {4800, 4920, 1812, 672}},
        };
        for (const auto &c : controls) {
            const QRect &t = c.twips;
            QCOMPARE(find(c.name)->geometry(), twips_rect(t.x(), t.y(), t.width(), t.height()));
        }
        QCOMPARE(row(1)->contentsRect().size(), QSize(337, 84));
        QCOMPARE(find("Label1")->font().pixelSize(), 23);
        QCOMPARE(find("Label6")->font().pixelSize(), 16);
        QVERIFY(find("Label6")->font().italic());
        QCOMPARE(find("Command3")->font().pixelSize(), 20);
        QCOMPARE(row(1)->toolTip(), QStringLiteral("Vince chi toglie l'ultimo fiammifero"));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(find("Command1")->hasFocus());
    }

    void starts_with_the_default_options()
    {
        QCOMPARE(window->state().level, 2);
        QVERIFY(find<QRadioButton>("Option2")->isChecked());
        for (const char *item : {"moderato", "menu_5r", "menu_22"})
            QVERIFY2(find<QAction>(item)->isChecked(), item);
        for (const char *item : {"alto", "basso", "menu_3r", "menu_5", "menu_11"})
            QVERIFY2(!find<QAction>(item)->isChecked(), item);
        QCOMPARE(window->state().max_matches, 22);
        QCOMPARE(text("Label1"), QStringLiteral(" 0"));
        QCOMPARE(text("Label6"), QString());
        QVERIFY(find("Picture6")->isHidden());
        QVERIFY(find<QMenu>("Menu_opzioni")->menuAction()->isEnabled());
    }

    void options_keep_their_marks_through_minimise_and_restore()
    {
        find<QAction>("menu_3r")->trigger();
        find<QAction>("menu_11")->trigger();
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(window->state().level, 1);
        QVERIFY(find<QRadioButton>("Option1")->isChecked());
        QVERIFY(find("Picture4")->isHidden() && find("Label9")->isHidden() && find("Label5")->isHidden());

        deal({4, 5, 6, 1, 1});
        click_row(2, 3);
        window->showMinimized();
        window->showNormal();
        QCOMPARE(window->state().selected[2], 0);
        QCOMPARE(text("Label7"), QString());
        QCOMPARE(text("Label2"), QStringLiteral(" 5"));
        const char *marked[] = {"alto", "menu_3r", "menu_11"};
        const char *unmarked[] = {"moderato", "basso", "menu_5r", "menu_5", "menu_22"};
        for (const char *item : marked)
            QVERIFY2(find<QAction>(item)->isChecked(), item);
        for (const char *item : unmarked)
            QVERIFY2(!find<QAction>(item)->isChecked(), item);
        QCOMPARE(window->state().max_matches, 11);

        find<QRadioButton>("Option3")->click();
        QCOMPARE(window->state().level, 3);
        QVERIFY(find<QAction>("basso")->isChecked() && !find<QAction>("alto")->isChecked());
    }

    void shortcuts_reach_the_game()
    {
        find<QAction>("menu_5")->trigger();
        services.script_deal({22, 22, 22, 22, 22});
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window->state().matches[1], 22);  // the menu deals up to 22 whatever the option
        QVERIFY(!find<QMenu>("Menu_opzioni")->menuAction()->isEnabled());
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window->state().selected[5], 22);
        QCOMPARE(window->state().hint_shown, 0);  // the menu's hint does not count as help
        QTest::keyClick(window, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(window->state().level, 3);
        QTest::keyClick(window, Qt::Key_F2, Qt::ControlModifier);
        QCOMPARE(window->state().level, 2);
    }

    void clicks_select_with_any_button()
    {
        deal({7, 3, 22, 1, 9});
        click_row(1, 3);
        QCOMPARE(window->state().selected[1], 3);
        QCOMPARE(text("Label6"), QStringLiteral(" 4"));
        click_row(3, 22, Qt::RightButton);
        QCOMPARE(window->state().selected[1], 0);
        QCOMPARE(window->state().selected[3], 22);
        QCOMPARE(text("Label6"), QString());
        QCOMPARE(text("Label8"), QStringLiteral(" 0"));
        click_row(5, 0, Qt::MiddleButton);
        QCOMPARE(window->state().selected[5], 0);
        QCOMPARE(text("Label10"), QStringLiteral(" 9"));
        QCOMPARE(text("Label8"), QString());
    }

    void rows_show_matches_right_aligned_and_selected_ones_highlighted()
    {
        deal({3, 1, 22, 1, 1});
        click_row(1, 2);
        const QImage first = row(1)->drawing();
        const QImage full = row(3)->drawing();
        const QColor teal = colour::desktop;
        // Match i stands at (22.5 - i) × 15 pixels; its stick is 5 pixels wide
        // in the middle of a 9-pixel picture whose outer columns are white.
        auto stick = [](int i) { return QPoint(static_cast<int>(std::lround((22.5 - i) * 15)) + 4, 40); };
        auto edge = [](int i) { return QPoint(static_cast<int>(std::lround((22.5 - i) * 15)), 40); };
        QCOMPARE(first.pixelColor(edge(1)), teal);   // white pixels left unpainted
        QVERIFY(first.pixelColor(stick(1)) != teal);
        QVERIFY(first.pixelColor(stick(3)) != teal);
        QVERIFY(first.pixelColor(stick(2)) != first.pixelColor(stick(1)));  // selected
        QCOMPARE(first.pixelColor(stick(2)), first.pixelColor(stick(3)));
        QCOMPARE(first.pixelColor(stick(4)), teal);
        QVERIFY(full.pixelColor(stick(22)) != teal);
        QCOMPARE(full.pixelColor(stick(1)), first.pixelColor(stick(1)));  // same right end
        // What is on the screen is what was drawn, inside the sunken border.
        QCOMPARE(pixel_of(row(1), stick(2) + QPoint(2, 2)), first.pixelColor(stick(2)));
        QCOMPARE(pixel_of(row(1), QPoint(0, 0)), QColor(colour::shadow_3d));
    }

    void a_game_the_player_wins_with_help()
    {
        find<QAction>("menu_3r")->trigger();
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        deal({3, 4, 5, 1, 1});
        MessageCloser closer;
        QImage end_picture_at_win;
        closer.open = [&](const QString &text) {
            if (text == QLatin1String("HAI VINTO !!!"))
                end_picture_at_win = find<QLabel>("Picture6")->isVisible()
                                         ? window->centralWidget()->grab().toImage()
                                         : QImage();
        };
        while (window->state().matches.sum() > 0 && closer.texts.size() < 40) {
            press("Command4");
            press("Command3");
        }
        QCOMPARE(closer.texts.last(), QStringLiteral("LA PROSSIMA VOLTA PROVA A VINCERE SENZA AIUTO!!!"));
        QCOMPARE(closer.texts.at(closer.texts.size() - 2), QStringLiteral("HAI VINTO !!!"));
        QVERIFY(closer.texts.contains(QStringLiteral("Computer: adesso tocca a me!")));
        QVERIFY(find<QMenu>("Menu_opzioni")->menuAction()->isEnabled());
        QVERIFY(find("Picture6")->isHidden());
        // While the message was open the sad computer covered the rows, on
        // grey where the picture ends.
        QVERIFY(!end_picture_at_win.isNull());
        const QPoint corner = find("Picture6")->pos();
        const QImage sad = find<QLabel>("fia_v")->pixmap().toImage();
        const QPoint in_picture = row(1)->geometry().center();
        QCOMPARE(end_picture_at_win.pixelColor(in_picture), sad.pixelColor(in_picture - corner));
        QCOMPARE(end_picture_at_win.pixelColor(row(5)->geometry().center()), QColor(colour::scroll_bar));
        press("Command3");
        QCOMPARE(closer.texts.last(), QStringLiteral("Inizia una nuova partita!"));
        QVERIFY(closer.all_plain);
    }

    void a_game_the_computer_wins_shows_the_defeat_pictures()
    {
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        deal({1, 2, 3, 4, 4});  // balanced: against perfect play the player loses
        MessageCloser closer;
        QList<qint64> shown;
        services.during_pause = [&] {
            auto *picture = find<QLabel>("Picture6");
            if (picture->isVisible())
                shown << picture->pixmap().cacheKey();
            // Dropped, or a new deal would leave matches on the board.
            QTest::mouseClick(find("Command1"), Qt::LeftButton);
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
            QTest::mouseClick(row(1), Qt::LeftButton, {}, QPoint(320, 40));
        };
        closer.open = [&](const QString &text) {
            if (text == QLatin1String("HAI PERSO !!!"))
                shown << find<QLabel>("Picture6")->pixmap().cacheKey();
        };
        while (window->state().matches.sum() > 0 && closer.texts.size() < 60) {
            int r = 1;
            while (window->state().matches[r] == 0)
                ++r;
            click_row(r, 1);
            press("Command3");
        }
        QCOMPARE(closer.texts.last(), QStringLiteral("HAI PERSO !!!"));
        QCOMPARE(window->state().matches.sum(), 0);
        QCOMPARE(window->state().selected.sum(), 0);
        const qint64 grin = find<QLabel>("fia_p0")->pixmap().cacheKey();
        const qint64 tongue = find<QLabel>("fia_p")->pixmap().cacheKey();
        QCOMPARE(shown, (QList<qint64>{grin, tongue, grin, tongue}));
        QVERIFY(find("Picture6")->isHidden());
        QVERIFY(find<QMenu>("Menu_opzioni")->menuAction()->isEnabled());
    }

    void the_computer_move_is_on_screen_during_the_pause_and_input_is_dropped()
    {
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        deal({3, 4, 5, 6, 7});
        MessageCloser closer;
        QImage during;
        services.during_pause = [&] {
            if (!during.isNull())
                return;
            during = row(5)->grab().toImage();
            // None of this may be taken, now or after the exchange.
            click_row(1, 3);
            QTest::mouseClick(find("Command1"), Qt::LeftButton);
            QTest::mouseClick(find("Command3"), Qt::LeftButton);
            QTest::mouseClick(find("Option3"), Qt::LeftButton, {}, QPoint(6, 10));
            QTest::mouseClick(find("Command2"), Qt::LeftButton);
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        };
        click_row(1, 1);
        press("Command3");
        QCOMPARE(closer.texts, QStringList{QStringLiteral("Computer: adesso tocca a me!")});
        // From 2, 4, 5, 6, 7 the winning move of the last row takes 2 of 7.
        const GameState &s = window->state();
        QCOMPARE(s.matches[1], 2);
        QCOMPARE(s.matches[5], 5);
        QCOMPARE(s.selected.sum(), 0);
        QCOMPARE(text("Label6"), QString());
        QCOMPARE(services.pauses, 1);
        QVERIFY(find<QRadioButton>("Option1")->isChecked());
        QVERIFY(window->isVisible());
        // The highlighted matches were on the screen during the pause.
        const QColor highlighted = during.pixelColor(static_cast<int>(std::lround((22.5 - 7) * 15)) + 6, 42);
        const QColor plain = during.pixelColor(static_cast<int>(std::lround((22.5 - 1) * 15)) + 6, 42);
        QVERIFY(highlighted != plain);
        QCOMPARE(row(5)->grab().toImage().pixelColor(static_cast<int>(std::lround((22.5 - 7) * 15)) + 6, 42),
                 QColor(colour::desktop));
    }

    void the_real_pause_lasts_at_least_a_second()
    {
        delete window;
        window = new Form1();  // the system clock
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        find<QAction>("menu1_1")->trigger();
        MessageCloser closer;
        QElapsedTimer timer;
        timer.start();
        press("Command3");  // the empty first move: the computer plays
        QVERIFY(timer.elapsed() >= 1000);
        QCOMPARE(closer.texts.first(), QStringLiteral("Computer: adesso tocca a me!"));
    }

    void fine_closes_the_window()
    {
        QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(window.isNull());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    apply_classic_look(app);
    Form1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "form1_test.moc"
