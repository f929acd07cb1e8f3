#include "classic.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "main_window.h"
#include "window_test_main.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace brastola::ui;

namespace {

// Every top-level window of that name, shown or not: a hidden second copy is
// still a second copy.
QList<QWidget *> windows_named(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            found << w;
    }
    return found;
}

QStringList visible_windows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    names.sort();
    return names;
}

QString text_of(QWidget *window, const char *label)
{
    auto *found = window->findChild<QLabel *>(QLatin1String(label));
    return found ? found->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

bool show_active(QWidget *window)
{
    window->show();
    window->activateWindow();
    return brastola::testing::wait_until_active(window);
}

// Runs the program's event loop with `script` started inside it, as the real
// program would; true if the program ended on its own within two seconds.
bool program_ends(const std::function<void()> &script)
{
    QTimer start, give_up;
    start.setSingleShot(true);
    give_up.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, script);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    start.start(0);
    give_up.start(2000);
    return QApplication::exec() == 0;
}

Form1 *open_main_window()
{
    auto *main_window = new Form1;
    return show_active(main_window) ? main_window : nullptr;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(visible_windows().isEmpty(), qPrintable(visible_windows().join(u' ')));
    }

    void rules_close_with_ok_and_not_with_escape()
    {
        QPointer<Form3> rules = new Form3;
        QVERIFY(show_active(rules));
        // OK holds the focus: Escape is not bound to it, Enter presses it.
        QCOMPARE(QApplication::focusWidget(), button(rules, "Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::qWait(50);
        QVERIFY(rules && rules->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(rules.isNull());
    }

    void about_closes_with_ok()
    {
        QPointer<Form2> about = new Form2;
        QVERIFY(show_active(about));
        QCOMPARE(QApplication::focusWidget(), button(about, "Command1"));
        QTest::mouseClick(button(about, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(about.isNull());
    }

    void start_window_is_alone_centred_and_borderless()
    {
        auto *start = new Form4;
        QVERIFY(show_active(start));
        QCOMPARE(visible_windows(), QStringList{QStringLiteral("Form4")});
        QVERIFY(windows_named(QStringLiteral("Form1")).isEmpty());
        QVERIFY(start->windowFlags().testFlag(Qt::FramelessWindowHint));
        if (!brastola::testing::program_places_windows())
            return;  // on Wayland it stands where the compositor puts it
        const QPoint off_centre = start->frameGeometry().center() - start->screen()->geometry().center();
        QVERIFY2(off_centre.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2").arg(off_centre.x()).arg(off_centre.y())));
    }

    void continuing_opens_the_main_window_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("Alt+N") << "alt+n";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Space") << "space";
    }

    void continuing_opens_the_main_window()
    {
        QFETCH(QString, how);
        QPointer<Form4> start = new Form4;
        QVERIFY(show_active(start));
        QPushButton *proceed = button(start, "Command1");
        QCOMPARE(QApplication::focusWidget(), proceed);
        if (how == "click")
            QTest::mouseClick(proceed, Qt::LeftButton);
        else if (how == "alt+n")
            QTest::keyClick(start, Qt::Key_N, Qt::AltModifier);
        else
            QTest::keyClick(proceed, how == "enter" ? Qt::Key_Return : Qt::Key_Space);

        QTRY_COMPARE(visible_windows(), QStringList{QStringLiteral("Form1")});
        QTRY_VERIFY(start.isNull());
        auto *main_window = qobject_cast<Form1 *>(windows_named(QStringLiteral("Form1")).value(0));
        QVERIFY(main_window);
        QTRY_VERIFY(main_window->isActiveWindow());
        for (const char *item : {"moderato", "menu_5r", "menu_22"})
            QVERIFY2(main_window->findChild<QAction *>(QLatin1String(item))->isChecked(), item);
        QCOMPARE(text_of(main_window, "Label1"), QStringLiteral(" 0"));
    }

    void closing_the_start_window_ends_the_program()
    {
        auto *start = new Form4;
        start->show();
        QVERIFY(program_ends([start] { start->close(); }));
    }

    void rules_and_about_open_only_once()
    {
        Form1 *main_window = open_main_window();
        QVERIFY(main_window);
        const std::pair<const char *, QString> items[] = {{"menu_reg", QStringLiteral("Form3")},
                                                          {"Menu_inf", QStringLiteral("Form2")}};
        for (const auto &[item, window] : items) {
            auto *action = main_window->findChild<QAction *>(QLatin1String(item));
            action->trigger();
            action->trigger();
            QCOMPARE(windows_named(window).size(), 1);
            QTRY_VERIFY(windows_named(window).first()->isVisible());
        }
    }

    void fine_closes_every_window_and_ends_the_program_data()
    {
        QTest::addColumn<bool>("by_key");
        QTest::newRow("button") << false;
        QTest::newRow("Ctrl+E") << true;
    }

    void fine_closes_every_window_and_ends_the_program()
    {
        QFETCH(bool, by_key);
        Form1 *main_window = open_main_window();
        QVERIFY(main_window);
        main_window->findChild<QAction *>(QStringLiteral("menu_reg"))->trigger();
        main_window->findChild<QAction *>(QStringLiteral("Menu_inf"))->trigger();
        QCOMPARE(visible_windows(), (QStringList{"Form1", "Form2", "Form3"}));
        QVERIFY(show_active(main_window));

        QVERIFY(program_ends([&] {
            if (by_key)
                QTest::keyClick(main_window, Qt::Key_E, Qt::ControlModifier);
            else
                button(main_window, "Command2")->click();
        }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visible_windows(), QStringList{});
        for (const char *name : {"Form1", "Form2", "Form3"})
            QVERIFY2(windows_named(QLatin1String(name)).isEmpty(), name);
    }

    void about_outlives_the_main_window_and_does_not_bring_it_back()
    {
        Form1 *main_window = open_main_window();
        QVERIFY(main_window);
        main_window->findChild<QAction *>(QStringLiteral("Menu_inf"))->trigger();
        QPointer<QWidget> about = windows_named(QStringLiteral("Form2")).value(0);
        QVERIFY(about);

        // If closing the main window ended the program, the loop would return
        // before the second step could look at the about window.
        QStringList open_after_main_closed;
        QTimer second_step;
        second_step.setSingleShot(true);
        connect(&second_step, &QTimer::timeout, [&] {
            open_after_main_closed = visible_windows();
            QTest::mouseClick(button(about, "Command1"), Qt::LeftButton);
        });
        QVERIFY(program_ends([&] {
            main_window->close();
            second_step.start(100);
        }));
        QCOMPARE(open_after_main_closed, QStringList{QStringLiteral("Form2")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
        QVERIFY(windows_named(QStringLiteral("Form1")).isEmpty());
    }
};

BRASTOLA_WINDOW_TEST_MAIN(WindowsTest)

#include "windows_test.moc"
