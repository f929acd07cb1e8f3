#pragma once

// Reports the first paint of a top-level widget and ends the program: once the
// widget has received its first paint event and its window has finished the
// expose or update that carried it (children painted, picture flushed to the
// window), prints the CLOCK_MONOTONIC time in nanoseconds and quits.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace bench {

class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QWidget *widget) : widget_(widget) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (done_)
            return false;
        if (target == widget_ && event->type() == QEvent::Paint) {
            painted_ = true;
        } else if (target == widget_->windowHandle()
                   && (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest)) {
            target->event(event);  // deliver it here, to see the moment it is over
            if (painted_)
                report();
            return true;
        }
        return false;
    }

private:
    void report()
    {
        done_ = true;
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        std::printf("%lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

    QWidget *widget_;
    bool painted_ = false;
    bool done_ = false;
};

}  // namespace bench
