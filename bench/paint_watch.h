#pragma once

// Calls a function at the end of every paint event of the widgets it watches:
// the filter delivers the paint itself, so the time is taken once the
// widget's paintEvent has returned.

#include <QEvent>
#include <QWidget>

#include <functional>

namespace bench {

class PaintWatch : public QObject {
public:
    std::function<void(QObject *widget)> painted;

    void watch(QWidget *widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        target->event(event);
        if (painted)
            painted(target);
        return true;
    }
};

}  // namespace bench
