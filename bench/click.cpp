// Click to repainted row: time from just before a mouse press is delivered to
// a row of the main window to the end of that row's paint, over 1000 presses
// that alternate between two positions so the selection changes each time.
// Reference, alternated press by press: a plain widget that calls update() on
// a press and fills its rect in paintEvent.

#include "classic.h"
#include "common.h"
#include "form1.h"
#include "paint_watch.h"
#include "row_slots.h"
#include "row_view.h"
#include "scripted_services.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

namespace {

class PlainWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent *) override { update(); }
    void paintEvent(QPaintEvent *) override
    {
        dark_ = !dark_;
        QPainter(this).fillRect(rect(), dark_ ? Qt::darkCyan : Qt::cyan);
    }

private:
    bool dark_ = false;
};

// Presses at `at` and returns the milliseconds until `widget` has painted.
double press_to_paint(QWidget *widget, QPoint at, bench::PaintWatch &watch)
{
    bool seen = false;
    double painted_at = 0;
    watch.painted = [&](QObject *target) {
        if (target == widget && !seen) {
            seen = true;
            painted_at = bench::now_ms();
        }
    };
    const double start = bench::now_ms();
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QElapsedTimer limit;
    limit.start();
    while (!seen && limit.elapsed() < 1000)
        QCoreApplication::processEvents();
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    watch.painted = nullptr;
    return seen ? painted_at - start : 1000.0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    brastola::ui::apply_classic_look(app);
    const QByteArray platform = QGuiApplication::platformName().toLatin1();

    brastola::testing::ScriptedServices random;
    brastola::ui::Form1 window({brastola::ui::system_services().clock, &random});
    window.show();
    PlainWidget plain;
    plain.setWindowTitle(QStringLiteral("reference"));
    auto *row = window.findChild<brastola::ui::RowView *>(QStringLiteral("Picture1"));
    plain.resize(row->size());
    plain.move(window.frameGeometry().topRight() + QPoint(10, 0));
    plain.show();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowExposed(&plain)) {
        std::printf("click: windows not exposed on %s\n", platform.constData());
        return 0;
    }
    random.script_deal({22, 22, 22, 22, 22});
    window.findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();
    QTest::qWait(50);

    bench::PaintWatch watch;
    watch.watch(row);
    watch.watch(&plain);
    const QRect area = row->contentsRect();
    auto slot = [&](int count) {
        const double x = brastola::testing::slot_middle(count, window.state().matches[1], area.width());
        return QPoint(area.left() + static_cast<int>(x), area.center().y());
    };

    std::vector<double> game, reference;
    const int clicks = 1000, warm_up = 20;
    for (int i = 0; i < clicks + warm_up; ++i) {
        const double g = press_to_paint(row, slot(i % 2 ? 2 : 5), watch);
        const double r = press_to_paint(&plain, i % 2 ? QPoint(5, 5) : QPoint(20, 20), watch);
        if (i >= warm_up) {
            game.push_back(g);
            reference.push_back(r);
        }
    }

    using bench::format;
    const double med = bench::median(game), ref_med = bench::median(reference);
    bench::row("click to repainted row, median", platform.constData(), format("%.3f ms", med),
               format("%.3f ms", ref_med), format("%.2fx", med / ref_med), "<= 1 ms", bench::verdict(med <= 1.0));
    const double p99 = bench::quantile(game, 0.99), ref_p99 = bench::quantile(reference, 0.99);
    bench::row("click to repainted row, 99th pct", platform.constData(), format("%.3f ms", p99),
               format("%.3f ms", ref_p99), format("%.2fx", p99 / ref_p99), "", "");
    return 0;
}
