// The windows on screens of many sizes, at the scale factor of the run (see
// CMakeLists.txt), with the screens changed while the program runs: where
// the windows stand, and the pictures they show on a screen of another pixel
// ratio. Positions are compared in device pixels, as the screen has them.

#include "classic.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "picture_holder.h"
#include "row_view.h"
#include "scripted_services.h"
#include "test_platform.h"
#include "window_test_main.h"

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace brastola::ui;
using brastola::testing::device_frame;
using brastola::testing::set_screens;

namespace {

QJsonObject screen(const QString &name, const QRect &device, int dpi = 96)
{
    return {{"name", name}, {"x", device.x()}, {"y", device.y()}, {"width", device.width()},
            {"height", device.height()}, {"logicalDpi", dpi}, {"logicalBaseDpi", 96}};
}

// Whether a window that stood at `was` now stands at `is` by the rule: a
// window that fits lies inside, where it was on each axis along which it was
// inside and against the edge it overran on the others; one that does not
// fit has its top-left corner at the area's. Qt places windows in logical
// pixels: one device pixel further in is as good.
bool placed_by_the_rule(const QRect &was, const QRect &is, const QRect &area)
{
    const bool fits = was.width() <= area.width() && was.height() <= area.height();
    auto right = [fits](int was_at, int is_at, int low, int high) {
        if (!fits)
            return is_at >= low && is_at <= low + 1;
        return is_at >= low && is_at <= high && std::abs(is_at - std::clamp(was_at, low, high)) <= 1;
    };
    return right(was.x(), is.x(), area.left(), area.right() + 1 - was.width()) &&
           right(was.y(), is.y(), area.top(), area.bottom() + 1 - was.height());
}

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT

    brastola::testing::ScriptedServices services;
    std::vector<std::unique_ptr<QWidget>> windows;
    std::vector<QRect> designed;  // their frames where they were designed to stand

    // The four windows, shown where they are designed to open.
    void show_windows()
    {
        windows.clear();
        designed.clear();
        windows.emplace_back(new Form1(services.services()));
        windows.emplace_back(new Form3);
        windows.emplace_back(new Form2);
        windows.emplace_back(new Form4(services.services()));
        for (auto &w : windows) {
            w->setAttribute(Qt::WA_DeleteOnClose, false);
            const QPoint client = w->geometry().topLeft();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            designed.push_back(brastola::testing::device_frame_at(*w, client));
        }
    }

    // Each window placed by the rule from where it stood.
    void expect_placed_from(const std::vector<QRect> &was)
    {
        for (std::size_t i = 0; i < windows.size(); ++i) {
            const QWidget &w = *windows[i];
            const QRect area = brastola::testing::device_area(*w.screen());
            QString where;
            QDebug(&where) << w.objectName() << was[i] << device_frame(w) << area;
            QTRY_VERIFY2(placed_by_the_rule(was[i], device_frame(w), area), qPrintable(where));
        }
    }

private slots:
    void windows_open_by_the_rule_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::newRow("640x480") << QRect(0, 0, 640, 480);
        QTest::newRow("800x600") << QRect(0, 0, 800, 600);
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768);
        QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024);
        QTest::newRow("1920x1200") << QRect(0, 0, 1920, 1200);
        QTest::newRow("1280x1024 below a 100-pixel band") << QRect(0, 100, 1280, 924);
    }

    void windows_open_by_the_rule()
    {
        QFETCH(QRect, screen);
        set_screens({::screen({}, screen)});
        show_windows();
        expect_placed_from(designed);
    }

    void an_area_that_shrinks_moves_the_windows_back()
    {
        set_screens({screen({}, {0, 0, 1920, 1200})});
        show_windows();  // each where it was designed to stand
        set_screens({screen({}, {0, 0, 640, 480})});
        expect_placed_from(designed);
    }

    void windows_of_a_removed_screen_come_back_by_the_rule()
    {
        set_screens({screen({}, {0, 0, 640, 480}), screen("b", {640, 0, 1920, 1200})});
        show_windows();
        for (auto &w : windows)
            w->windowHandle()->setPosition(QPoint(700, 40));
        QTRY_VERIFY(windows.front()->screen()->name() == QLatin1String("b"));
        std::vector<QRect> before;
        for (const auto &w : windows)
            before.push_back(device_frame(*w));
        set_screens({screen({}, {0, 0, 640, 480})});
        expect_placed_from(before);
    }

    // A window moved to a screen of twice the ratio shows what one made
    // there shows.
    void pictures_follow_the_pixel_ratio()
    {
        set_screens({screen({}, {0, 0, 1280, 1024})});
        Form1 moved(services.services());
        Form4 moved_start;
        const qreal first_ratio = moved.devicePixelRatioF();
        // One of twice the ratio takes the first screen's place, which moves right.
        set_screens({screen({}, {2560, 0, 1280, 1024}), screen("b", {0, 0, 2560, 2048}, 192)});
        Form1 made(services.services());
        Form4 made_start;
        const qreal ratio = made.devicePixelRatioF();
        QCOMPARE(ratio, 2 * first_ratio);
        moved.move(2600, 0);
        moved_start.move(2600, 0);
        for (QWidget *w : std::initializer_list<QWidget *>{&moved, &made, &moved_start, &made_start}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        for (Form1 *w : {&moved, &made}) {
            services.script_deal({22, 7, 1, 12, 5});
            w->findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();
        }
        moved.windowHandle()->setPosition(made.windowHandle()->position());
        moved_start.windowHandle()->setPosition(made_start.windowHandle()->position());
        QTRY_COMPARE(moved.devicePixelRatioF(), ratio);
        QTRY_COMPARE(moved_start.devicePixelRatioF(), ratio);

        auto shown = [](const QWidget &w, const char *name) {
            return w.findChild<QWidget *>(QLatin1String(name))->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        };
        // The OK button, the end picture, the rows' cursor and drawings, the hidden pictures.
        auto pictures = [&shown](const QWidget &w) {
            std::vector<QImage> all{shown(w, "Command3"),
                                    w.findChild<QLabel *>(QStringLiteral("Picture6"))->pixmap().toImage(),
                                    w.findChild<QWidget *>(QStringLiteral("Picture1"))->cursor().pixmap().toImage()};
            for (int r = 1; r <= 5; ++r)
                all.push_back(w.findChild<RowView *>(QStringLiteral("Picture%1").arg(r))->drawing());
            for (const char *name : {"fia", "fia_v", "fia_p", "fia_p0"})
                all.push_back(w.findChild<PictureHolder *>(QLatin1String(name))->pixmap().toImage());
            return all;
        };
        QVERIFY(pictures(moved) == pictures(made));
        QVERIFY(shown(moved_start, "Picture1") == shown(made_start, "Picture1"));
        // Where no control stands, the background alone.
        const QRect free_part(QPoint(300, 100) * ratio, QSize(140, 200) * ratio);
        QVERIFY(moved_start.grab().toImage().copy(free_part) == made_start.grab().toImage().copy(free_part));
    }
};

BRASTOLA_WINDOW_TEST_MAIN(PlacementTest)

#include "placement_test.moc"
