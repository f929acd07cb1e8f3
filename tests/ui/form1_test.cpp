#include "classic.h"
#include "form1.h"
#include "main_window.h"
#include "platform.h"
#include "message_closer.h"
#include "row_slots.h"
#include "row_view.h"
#include "picture_holder.h"
#include "pictures.h"
#include "positions.h"
#include "scripted_services.h"
#include "window_test_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <algorithm>

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

class Form1Test : public QObject, private brastola::testing::MainWindow {
    Q_OBJECT

private:
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
    // A press and release waiting in the queue, as the window system leaves them.
    static void post_click(QWidget *widget, QPoint at)
    {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(widget, new QMouseEvent(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                                                                type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                                 : Qt::NoButton,
                                                                Qt::NoModifier));
    }
    void deal(std::initializer_list<int> counts)
    {
        services.script_deal(counts);
        find<QAction>("menu1_1")->trigger();
    }

private slots:
    void init() { QVERIFY(open_window()); }
    void cleanup() { delete window; }

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
        QVERIFY(find("Command1")->hasFocus());
        for (int r = 1; r <= 5; ++r)
            QCOMPARE(row(r)->toolTip(), QStringLiteral("Vince chi toglie l'ultimo fiammifero"));
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

    // Rows repaint only the matches that changed: after many changes each
    // row shows exactly what a row drawn once with the same matches shows.
    void rows_changed_many_times_look_as_if_drawn_once()
    {
        MessageCloser closer;
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        deal({22, 9, 5, 14, 3});
        for (int count : {3, 22, 0, 7, 1})
            click_row(1, count);
        click_row(4, 6);
        press("Command3");  // the player's six and the computer's answer go
        click_row(2, 4);

        ScriptedServices fresh_services;
        Form1 fresh(fresh_services.services());
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        const GameState &s = window->state();
        fresh_services.script_deal({s.matches[1], s.matches[2], s.matches[3], s.matches[4], s.matches[5]});
        fresh.findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();
        auto *fresh_row = fresh.findChild<RowView *>(QStringLiteral("Picture2"));
        const QRect area = fresh_row->contentsRect();
        const double x = brastola::testing::slot_middle(4, s.matches[2], area.width());
        QTest::mouseClick(fresh_row, Qt::LeftButton, {}, QPoint(area.left() + static_cast<int>(x), 40));
        for (int r = 1; r <= 5; ++r)
            QVERIFY2(row(r)->drawing() == fresh.findChild<RowView *>(QStringLiteral("Picture%1").arg(r))->drawing(),
                     qPrintable(QStringLiteral("row %1").arg(r)));
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
        const QImage sad = computer_sad().toImage();
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
        QList<QImage> shown;
        services.during_pause = [&] {
            auto *picture = find<QLabel>("Picture6");
            if (picture->isVisible())
                shown << picture->pixmap().toImage();
            // Dropped, or a new deal would leave matches on the board.
            QTest::mouseClick(find("Command1"), Qt::LeftButton);
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
            QTest::mouseClick(row(1), Qt::LeftButton, {}, QPoint(320, 40));
        };
        closer.open = [&](const QString &text) {
            if (text == QLatin1String("HAI PERSO !!!"))
                shown << find<QLabel>("Picture6")->pixmap().toImage();
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
        const QImage grin = computer_grin().toImage(), tongue = computer_tongue().toImage();
        QCOMPARE(shown, (QList<QImage>{grin, tongue, grin, tongue}));
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

    void holders_keep_their_pictures()
    {
        const std::pair<const char *, QPixmap> holders[] = {
            {"fia", match_image()}, {"fia_v", computer_sad()}, {"fia_p0", computer_grin()}, {"fia_p", computer_tongue()}};
        for (const auto &[name, picture] : holders)
            QVERIFY2(find<PictureHolder>(name)->pixmap().toImage() == picture.toImage(), name);
    }

    // A pixel either side of a slot boundary selects what its slot selects,
    // counted from the inside of the row's 2-pixel sunken border; a press on
    // the border itself does nothing.
    void clicks_at_slot_boundaries_and_on_the_border()
    {
        deal({22, 7, 1, 1, 1});
        for (int r : {1, 2}) {
            RowView *view = row(r);
            const QRect area = view->contentsRect();
            QCOMPARE(area, view->rect().adjusted(2, 2, -2, -2));
            const int n = window->state().matches[r];
            auto press_at = [&](int x) {
                QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(area.left() + x, area.center().y()));
                return static_cast<int>(window->state().selected[r]);
            };
            auto selects = [n](int slot) { return std::clamp(slot - 22 + n, 0, n); };
            // The first slots, either side of the leftmost match, the last slots.
            for (int k : {1, 2, 22 - n, 23 - n, 22, 23}) {
                if (k < 1)
                    continue;  // slot 0 begins at the border
                const int first = static_cast<int>(std::ceil(brastola::testing::slot_left(k, area.width())));
                QCOMPARE(press_at(first - 1), selects(k - 1));
                QCOMPARE(press_at(first), selects(k));
            }
            QCOMPARE(press_at(0), selects(0));
            QCOMPARE(press_at(area.width() - 1), n);  // the half slot at the right end

            click_row(r, 1);
            const QString kept = text(qPrintable(QStringLiteral("Label%1").arg(r + 5)));
            for (QPoint border : {QPoint(0, 40), QPoint(1, 40), QPoint(view->width() - 2, 40),
                                  QPoint(view->width() - 1, 40), QPoint(100, 0), QPoint(100, view->height() - 1)}) {
                QTest::mouseClick(view, Qt::LeftButton, {}, border);
                QCOMPARE(window->state().selected[r], 1);
            }
            QCOMPARE(text(qPrintable(QStringLiteral("Label%1").arg(r + 5))), kept);
        }
    }

    // The exchange holds the window: a close asked for meanwhile waits, and
    // the window closes once it is over; one asked for while a message box
    // is open is refused, as the box blocks its window.
    void closing_during_an_exchange_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("alt_f4");
        for (const char *when : {"computer's pause", "defeat", "message box"})
            for (bool alt_f4 : {false, true})
                QTest::addRow("%s, %s", alt_f4 ? "Alt+F4" : "close box", when) << QString(when) << alt_f4;
    }

    void closing_during_an_exchange()
    {
        QFETCH(QString, when);
        QFETCH(bool, alt_f4);
        const bool defeat = when == QLatin1String("defeat"), in_box = when == QLatin1String("message box");
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        if (defeat) {  // three rows, 0, 2, 2 after a first exchange
            find<QAction>("menu_3r")->trigger();
            deal({1, 2, 5, 1, 1});
            MessageCloser closer;
            click_row(1, 1);
            press("Command3");
            QCOMPARE(window->state().matches, (brastola::testing::position({0, 2, 2, 0, 0})));
        } else {
            deal({3, 4, 5, 6, 7});
        }
        int closes = 0;
        auto ask_to_close = [&] {
            if (alt_f4)  // the window manager's key: Qt sees it, then the close
                QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
            QCloseEvent close;
            QCoreApplication::sendEvent(window->windowHandle(), &close);
            ++closes;
        };
        const GameState before = window->state();
        MessageCloser closer;
        if (in_box)
            closer.open = [&](const QString &) { ask_to_close(); };
        else
            services.during_pause = ask_to_close;
        click_row(defeat ? 2 : 1, defeat ? 2 : 1);  // the computer takes the last row, or two of row 5
        press("Command3");
        QVERIFY(closes > 0);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        const GameState &s = window->state();
        QCOMPARE(s.selected.sum(), 0);
        if (defeat) {
            QCOMPARE(closer.texts.last(), QStringLiteral("HAI PERSO !!!"));
            QCOMPARE(s.matches.sum(), 0);
            QCOMPARE(s.game_active, 0);
            QVERIFY(find<QMenu>("Menu_opzioni")->menuAction()->isEnabled());
        } else {  // the player took one of row 1, the computer two of row 5
            QCOMPARE(s.matches.sum(), before.matches.sum() - 3);
            QCOMPARE(s.matches[5], before.matches[5] - 2);
        }
        QVERIFY(find("Picture6")->isHidden());
        if (in_box) {
            QCoreApplication::processEvents();  // where a close that waited would come
            QVERIFY(window && window->isVisible());
        } else {
            QTRY_VERIFY(window.isNull());
        }
    }

    // Minimised and restored during the computer's pause, the window shows
    // the board again only once the move is over: until then the move stays
    // highlighted.
    void a_change_of_window_state_waits_for_the_exchange()
    {
        deal({3, 4, 5, 6, 7});
        std::vector<int> highlighted;  // before and after, in each pause
        services.during_pause = [&] {
            highlighted.push_back(window->state().selected.sum());
            window->showMinimized();
            window->showNormal();
            highlighted.push_back(window->state().selected.sum());
        };
        MessageCloser closer;
        click_row(1, 1);
        press("Command3");
        QVERIFY(!highlighted.empty() && highlighted.front() == 2);  // two of row 5
        QVERIFY(std::all_of(highlighted.begin(), highlighted.end(), [](int n) { return n == 2; }));
        QCOMPARE(window->state().matches, (brastola::testing::position({2, 4, 5, 6, 5})));
    }

    // The program got no processor across the end of the computer's pause:
    // input that came during it still waits in the queue when the exchange
    // ends, and must be dropped all the same.
    void input_still_queued_after_the_exchange_is_dropped()
    {
        QTest::keyClick(window, Qt::Key_F1, Qt::ControlModifier);
        deal({3, 4, 5, 6, 7});
        services.during_pause = [&] {
            const QPoint at(static_cast<int>(brastola::testing::slot_middle(3, 3, 337)) + 2, 40);
            post_click(row(1), at);
            post_click(find("Command1"), QPoint(5, 5));
            post_click(find("Option3"), QPoint(6, 10));
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(find("Command4"), new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, " "));
        };
        MessageCloser closer;
        click_row(1, 1);
        press("Command3");
        QCoreApplication::processEvents();  // whatever is left reaches the windows now
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(closer.texts, QStringList{QStringLiteral("Computer: adesso tocca a me!")});
        const GameState &s = window->state();
        QCOMPARE(s.matches[1], 2);  // no new deal
        QCOMPARE(s.matches[5], 5);
        QCOMPARE(s.selected.sum(), 0);  // no selection
        QCOMPARE(s.level, 1);
        QVERIFY(find<QRadioButton>("Option1")->isChecked());
        QCOMPARE(text("Label6"), QString());
    }

    // A short message still shows the whole caption in its title bar, which
    // asks for the window's icon and a close box, and nothing else.
    void message_boxes_as_a_classic_desktop_shows_them()
    {
        MessageCloser closer;
        QStringList faults;
        closer.open = [&](const QString &text) {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            const Qt::WindowFlags flags = box->windowFlags();
            const bool close_box_only = flags.testFlag(Qt::CustomizeWindowHint)
                                        && flags.testFlag(Qt::WindowCloseButtonHint)
                                        && !flags.testFlag(Qt::WindowMinimizeButtonHint)
                                        && !flags.testFlag(Qt::WindowMaximizeButtonHint);
            if (!close_box_only)
                faults << text + QStringLiteral(": title bar buttons");
            QFont bold = box->font();
            bold.setBold(true);
            const int bar = box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box);
            // Room for the icon and the close box, and for the minimise and
            // maximise boxes some window managers draw all the same, with
            // the room between them (Openbox cuts the caption below that).
            if (box->width() < QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 7 * bar)
                faults << text + QStringLiteral(": %1 pixels wide").arg(box->width());
            auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            auto *ok = box->button(QMessageBox::Ok);
            const QRect written = label->geometry();
            const int text_left = written.left() + (written.width() - label->fontMetrics().horizontalAdvance(text)) / 2;
            const int text_right = text_left + label->fontMetrics().horizontalAdvance(text);
            if (std::abs(text_left - (box->width() - text_right)) > 2)
                faults << text + QStringLiteral(": margins %1 and %2").arg(text_left).arg(box->width() - text_right);
            const int ok_centre = ok->mapTo(box, ok->rect().center()).x();
            if (std::abs(ok_centre - box->width() / 2) > 1 || ok->mapTo(box, QPoint()).y() < written.bottom())
                faults << text + QStringLiteral(": OK not centred below the text");
        };
        press("Command3");  // "Inizia una nuova partita!"
        deal({1, 1, 1, 1, 1});
        for (int r = 1; r <= 5 && window->state().matches.sum() > 0; ++r)
            if (window->state().matches[r] > 0) {
                click_row(r, 1);
                press("Command3");
            }
        QCOMPARE(closer.texts.last(), QStringLiteral("HAI VINTO !!!"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY(closer.all_plain);
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

    // Qt's own title bar on Wayland maximises a window of fixed size too.
    void maximised_and_restored_the_window_goes_on()
    {
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            QSKIP("Elsewhere the window manager gives a window of fixed size no maximise box");
        window->setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(window->width() > window->minimumWidth());  // weston ends a program that keeps its size
        QCOMPARE(window->centralWidget()->size(), QSize(twips(6528), twips(5580)));
        window->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(window->size(), window->minimumSize());
    }

    void fine_closes_the_window()
    {
        QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(window.isNull());
    }
};

BRASTOLA_WINDOW_TEST_MAIN(Form1Test)

#include "form1_test.moc"
