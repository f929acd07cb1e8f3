// Where the windows open: at their design places on a screen that holds
// them, moved just inside one that does not. Each case runs on the screen
// its name gives (see CMakeLists.txt).

#include "classic.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "scripted_services.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace brastola::ui;

namespace {

// The main window stands by its client area, the others by their own.
QPoint designed_corner(const QWidget &window)
{
    if (auto *main_window = qobject_cast<const QMainWindow *>(&window))
        return main_window->centralWidget()->mapToGlobal(QPoint(0, 0));
    return window.geometry().topLeft();
}

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT

    brastola::testing::ScriptedServices services;

    // Shows the three windows and gives the window manager its turn.
    template <typename Check>
    void with_windows(Check check)
    {
        Form1 main_window(services.services());
        Form3 rules;
        Form2 about;
        for (QWidget *w : std::initializer_list<QWidget *>{&main_window, &rules, &about}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        QTest::qWait(20);
        check(main_window, rules, about);
    }

private slots:
    void small_screen()
    {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(free.size(), QSize(640, 520));
        with_windows([&](QWidget &main_window, QWidget &rules, QWidget &about) {
            // Both run over the bottom right corner as designed; each is moved
            // just enough, against the edges it overran.
            for (QWidget *w : {&main_window, &rules}) {
                const QRect frame = w->frameGeometry();
                QVERIFY2(free.contains(frame), qPrintable(w->objectName()));
                QVERIFY2(frame.right() == free.right() && frame.bottom() == free.bottom(),
                         qPrintable(w->objectName()));
            }
            // The about window fits as designed and stays where it is.
            QCOMPARE(designed_corner(about), QPoint(228, 186));
        });
    }

    void large_screen()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1920, 1200));
        with_windows([&](QWidget &main_window, QWidget &rules, QWidget &about) {
            QCOMPARE(designed_corner(main_window), QPoint(191, 88));
            QCOMPARE(designed_corner(rules), QPoint(219, 102));
            QCOMPARE(designed_corner(about), QPoint(228, 186));
        });
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    apply_classic_look(app);
    PlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "placement_test.moc"
