// OK exchanges with the real one-second pause, on the main window, measuring
// from the same games:
//  - processor time (whole process) over wall time from the closing of
//    "Computer: adesso tocca a me!" to the end of the pause, and across the
//    defeat sequence's three 0.3 s waits; reference, after every exchange: a
//    bare QEventLoop waiting 1 s on a QTimer;
//  - how long the computer's highlighted move stays on the screen (from the
//    paint that completes it to the first paint once it is taken) and how long
//    each defeat picture does (from the paint of Picture6 showing one picture
//    to the paint showing the next).
// Each round, at high difficulty: five rows of 22 matches and two exchanges
// (the computer's move drawn on a full board), then five rows of one match
// played out: the computer answers three times and takes the last match.

#include "classic.h"
#include "common.h"
#include "form1.h"
#include "message_closer.h"
#include "paint_watch.h"
#include "row_slots.h"
#include "row_view.h"
#include "scripted_services.h"
#include "system_services.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <utility>

namespace {

using brastola::ui::Form1;
using brastola::ui::RowView;

// The real clock; it only notes when each pause starts and ends, and whether
// the computer's move was on the board then.
class NotingClock : public brastola::Clock {
public:
    struct Pause {
        bool move;
        double wall_in, cpu_in, wall_out, cpu_out;
    };
    std::function<bool()> move_on_board;
    std::vector<Pause> pauses;

    double seconds_since_midnight() override { return real_.seconds_since_midnight(); }
    void pause(double seconds) override
    {
        Pause p{move_on_board(), bench::now_ms(), bench::cpu_ms(), 0, 0};
        real_.pause(seconds);
        p.wall_out = bench::now_ms();
        p.cpu_out = bench::cpu_ms();
        pauses.push_back(p);
    }

private:
    brastola::ui::SystemClock real_;
};

struct Figures {
    std::vector<double> move_cpu, defeat_cpu, reference_cpu;  // percent of wall time
    std::vector<double> shown_full, shown_small, picture_shown;  // seconds
};

double percent(double cpu, double wall) { return 100.0 * cpu / wall; }

void reference_wait(Figures &f)
{
    QEventLoop loop;
    QTimer::singleShot(1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    const double wall = bench::now_ms(), cpu = bench::cpu_ms();
    loop.exec();
    f.reference_cpu.push_back(percent(bench::cpu_ms() - cpu, bench::now_ms() - wall));
}

// Deals five rows of `matches` (1 or 22) and presses OK up to `exchanges`
// times, first with nothing selected, then after taking one match.
void play(Form1 &window, brastola::testing::ScriptedServices &random, NotingClock &clock, Figures &f, int matches,
          int exchanges)
{
    struct Paint {
        double at;
        bool row;
        bool move;  // the computer's move was on the board
        qint64 picture;
    };
    std::vector<Paint> paints;
    auto *picture = window.findChild<QLabel *>(QStringLiteral("Picture6"));
    bench::PaintWatch watch;
    watch.painted = [&](QObject *target) {
        paints.push_back({bench::now_ms(), target != picture, window.state().selected.sum() > 0,
                          picture->pixmap().cacheKey()});
    };
    watch.watch(picture);
    RowView *rows[5];
    for (int r = 1; r <= 5; ++r)
        watch.watch(rows[r - 1] = window.findChild<RowView *>(QStringLiteral("Picture%1").arg(r)));

    double closed_wall = 0, closed_cpu = 0;
    brastola::testing::MessageCloser closer;
    closer.answered = [&](const QString &text) {
        if (text == QLatin1String("Computer: adesso tocca a me!")) {
            closed_wall = bench::now_ms();
            closed_cpu = bench::cpu_ms();
        }
    };

    for (int r = 1; r <= 5; ++r)
        random.script_deal({matches});
    window.findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();
    QTest::qWait(20);
    for (int e = 0; e < exchanges && window.state().matches.sum() > 0; ++e) {
        if (e > 0) {  // the player takes the first match left
            int r = 1;
            while (window.state().matches[r] == 0)
                ++r;
            const QRect area = rows[r - 1]->contentsRect();
            const double x = brastola::testing::slot_middle(1, window.state().matches[r], area.width());
            QTest::mouseClick(rows[r - 1], Qt::LeftButton, {},
                              QPoint(area.left() + static_cast<int>(x), area.center().y()));
        }
        clock.pauses.clear();
        paints.clear();
        window.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        QTest::qWait(30);  // the last repaint of the exchange

        std::vector<NotingClock::Pause> move, defeat;
        for (const auto &p : clock.pauses)
            (p.move ? move : defeat).push_back(p);
        if (move.empty())
            continue;  // refused, or the player won: no computer move
        f.move_cpu.push_back(percent(move.back().cpu_out - closed_cpu, move.back().wall_out - closed_wall));
        double on = 0, off = 0;
        for (const Paint &p : paints) {
            if (!on && p.row && p.move && p.at > closed_wall)
                on = p.at;
            if (!off && p.at > move.back().wall_out)
                off = p.at;
        }
        if (on && off)
            (matches == 1 ? f.shown_small : f.shown_full).push_back((off - on) / 1000.0);
        if (!defeat.empty()) {
            f.defeat_cpu.push_back(percent(defeat.back().cpu_out - defeat.front().cpu_in,
                                           defeat.back().wall_out - defeat.front().wall_in));
            double last_at = 0;
            qint64 last_picture = 0;
            for (const Paint &p : paints) {
                if (p.row || p.at < move.back().wall_out || p.picture == last_picture)
                    continue;
                if (last_at)
                    f.picture_shown.push_back((p.at - last_at) / 1000.0);
                last_at = p.at;
                last_picture = p.picture;
            }
        }
        reference_wait(f);
    }
}

std::string spread(const std::vector<double> &v, const char *unit)
{
    return bench::format("%.4f/%.4f/%.4f", *std::min_element(v.begin(), v.end()), bench::median(v),
                         *std::max_element(v.begin(), v.end()))
           + unit;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    brastola::ui::apply_classic_look(app);
    const QByteArray platform = QGuiApplication::platformName().toLatin1();
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;

    brastola::testing::ScriptedServices random;
    NotingClock clock;
    Form1 window({&clock, &random});
    clock.move_on_board = [&] { return window.state().selected.sum() > 0; };
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::printf("exchange: window not exposed on %s\n", platform.constData());
        return 0;
    }
    window.findChild<QAction *>(QStringLiteral("alto"))->trigger();

    Figures f;
    for (int round = 0; round < rounds; ++round) {
        play(window, random, clock, f, 22, 2);
        play(window, random, clock, f, 1, 3);
    }
    if (f.move_cpu.empty() || f.defeat_cpu.empty() || f.shown_full.empty() || f.shown_small.empty()
        || f.picture_shown.empty()) {
        std::printf("exchange: no computer move measured on %s\n", platform.constData());
        return 0;
    }

    using bench::format;
    const auto n = [](const char *what, const std::vector<double> &v) {
        return format(what, static_cast<double>(v.size()));
    };
    const double reference = bench::median(f.reference_cpu);
    for (const auto &[what, v] : {std::pair{"CPU waiting, OK exchange (n=%.0f)", &f.move_cpu},
                                  std::pair{"CPU waiting, defeat 0.9 s (n=%.0f)", &f.defeat_cpu}}) {
        const double worst = *std::max_element(v->begin(), v->end());
        bench::row(n(what, *v), platform.constData(), format("%.2f%% (max %.2f%%)", bench::median(*v), worst),
                   format("%.2f%%", reference), format("%.1fx", bench::median(*v) / reference), "<= 2%",
                   bench::verdict(worst <= 2.0));
    }
    const auto within = [](const std::vector<double> &v, double low, double high) {
        return *std::min_element(v.begin(), v.end()) >= low && *std::max_element(v.begin(), v.end()) <= high;
    };
    for (const auto &[what, v] : {std::pair{"move shown, 5x22 board (n=%.0f)", &f.shown_full},
                                  std::pair{"move shown, 1-match rows (n=%.0f)", &f.shown_small}})
        bench::row(n(what, *v), platform.constData(), spread(*v, " s"), "min/median/max", "", "1.000-1.020 s",
                   bench::verdict(within(*v, 1.000, 1.020)));
    bench::row(n("defeat picture shown (n=%.0f)", f.picture_shown), platform.constData(),
               spread(f.picture_shown, " s"), "min/median/max", "", "0.300-0.320 s",
               bench::verdict(within(f.picture_shown, 0.300, 0.320)));
    return 0;
}
