#include "exchange.h"

#include <QApplication>
#include <QMouseEvent>
#include <QThread>
#include <QWindow>
#include <QWidget>

#include <utility>

namespace brastola::ui {

namespace {

// Input reaches a window before its widgets: both must pass for the box.
bool aimed_at_message_box(QObject *target)
{
    QWidget *box = QApplication::activeModalWidget();
    if (!box)
        return false;
    if (target == box->windowHandle())
        return true;
    auto *widget = qobject_cast<QWidget *>(target);
    return widget && (widget == box || box->isAncestorOf(widget));
}

int loop_level()
{
    return QThread::currentThread()->loopLevel();
}

}  // namespace

Exchange::Exchange(QWidget &window) : window_(window) {}

Exchange::~Exchange()
{
    if (holding_)
        qApp->removeEventFilter(this);
}

void Exchange::run(const std::function<void()> &handler)
{
    if (holding_)
        return;
    holding_ = true;
    waited_ = false;
    loop_level_ = loop_level();
    dropped_presses_ = {};
    qApp->installEventFilter(this);
    handler();
    // Input that came while the handler waited can still be queued, in Qt or
    // in the window system: fetch it now, with the filter in place.
    if (waited_)
        QGuiApplication::sync();
    qApp->removeEventFilter(this);
    holding_ = false;
    if (waiting_)
        run(std::exchange(waiting_, nullptr));
}

void Exchange::run_when_over(std::function<void()> handler)
{
    if (holding_)
        waiting_ = std::move(handler);
    else
        run(handler);
}

bool Exchange::eventFilter(QObject *target, QEvent *event)
{
    if (loop_level() > loop_level_)
        waited_ = true;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (aimed_at_message_box(target))
            return false;
        dropped_presses_ |= static_cast<QMouseEvent *>(event)->button();
        return true;
    case QEvent::MouseButtonRelease: {
        // The release of a press taken before the handler ends its click
        // as usual, or the widget would think the button still down.
        const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
        if (!dropped_presses_.testFlag(button))
            return false;
        dropped_presses_ &= ~button;
        return true;
    }
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return !aimed_at_message_box(target);
    case QEvent::Close:
        // The game is still using the board.
        if (target != &window_)
            return false;
        event->ignore();
        return true;
    default:
        return false;
    }
}

Settling::Settling(QObject &view, std::function<void()> settle) : view_(view), settle_(std::move(settle)) {}

void Settling::changed()
{
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(
        &view_,
        [this] {
            pending_ = false;
            settle_();
        },
        Qt::QueuedConnection);
}

void settle_and_paint()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

}  // namespace brastola::ui
