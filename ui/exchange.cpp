#include "exchange.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
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

// Qt's animated click comes 100 ms after its press: the longest the exchange
// waits for it.
constexpr int click_limit_ms = 250;

int loop_level()
{
    return QThread::currentThread()->loopLevel();
}

}  // namespace

Exchange::Exchange(QWidget &window) : window_(window)
{
    // A screen reader's "set focus" moves the focus without any input event.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (holding_ && now && now->window() == &window_ && now != focus_)
            put_back_soon();
    });
}

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
    focus_ = window_.focusWidget();
    qApp->installEventFilter(this);
    handler();
    wait_for_clicks();
    // Input that came while the handler waited can still be queued, in Qt or
    // in the window system: fetch it now, with the filter in place.
    if (waited_)
        QGuiApplication::sync();
    put_back();
    qApp->removeEventFilter(this);
    holding_ = false;
    if (waiting_)
        run(std::exchange(waiting_, nullptr));
    // Not from here: closing may release the window, and this with it.
    if (std::exchange(close_waiting_, false))
        QMetaObject::invokeMethod(
            &window_,
            [this] {
                if (holding_)
                    close_waiting_ = true;
                else
                    window_.close();
            },
            Qt::QueuedConnection);
}

// A button pressed meanwhile clicks 100 ms after the press: the exchange
// lasts until it has, so that the click is dropped like the press.
void Exchange::wait_for_clicks()
{
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(click_limit_ms);
    while (!pressed_.isEmpty() && limit.isActive()) {
        waited_ = true;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    pressed_.clear();
}

void Exchange::run_when_over(std::function<void()> handler)
{
    if (holding_)
        waiting_ = std::move(handler);
    else
        run(handler);
}

void Exchange::watch_presses(QAbstractButton *button)
{
    // Mouse and keys cannot press a button while the exchange holds: a press
    // then is Qt's animated click (a screen reader's press).
    connect(button, &QAbstractButton::pressed, this, [this, button] {
        if (holding_)
            pressed_.insert(button);
    });
    connect(button, &QAbstractButton::clicked, this, [this, button] { pressed_.remove(button); });
}

void Exchange::on_click(QAbstractButton *button, std::function<void()> handler)
{
    watch_presses(button);
    connect(button, &QAbstractButton::clicked, button,
            [exchange = QPointer<Exchange>(this), handler = std::move(handler)] {
                if (exchange)
                    exchange->run(handler);
                else
                    handler();
            });
}

void on_click(Exchange *exchange, QAbstractButton *button, std::function<void()> handler)
{
    if (exchange)
        exchange->on_click(button, std::move(handler));
    else
        QObject::connect(button, &QAbstractButton::clicked, button, std::move(handler));
}

void Exchange::on_select(QAbstractButton *option, std::function<void()> handler)
{
    marks_[option] = option->isChecked();
    watch_presses(option);
    connect(option, &QAbstractButton::toggled, this, [this, option, handler = std::move(handler)](bool on) {
        if (mark_taken(option) && on)
            run(handler);
    });
}

void Exchange::on_trigger(QAction *item, std::function<void()> handler)
{
    marks_[item] = item->isChecked();
    connect(item, &QAction::toggled, this, [this, item] { mark_taken(item); });
    connect(item, &QAction::triggered, this, [this, handler = std::move(handler)] { run(handler); });
}

void Exchange::set_mark(QObject *control, bool checked)
{
    setting_ = true;
    control->setProperty("checked", checked);
    setting_ = false;
}

// Whether a change of the control's mark is the player's, made at rest: it
// stands, and goes to the game. The window's own changes stand too, and any
// other is put back.
bool Exchange::mark_taken(QObject *control)
{
    if (holding_ && !setting_) {
        put_back_soon();
        return false;
    }
    marks_[control] = control->property("checked").toBool();
    return !setting_;
}

// Once Qt has finished the change it is making, and before anything paints
// it: a repaint is posted with a lower priority than this.
void Exchange::put_back_soon()
{
    if (put_back_queued_)
        return;
    put_back_queued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            put_back_queued_ = false;
            put_back();
        },
        Qt::QueuedConnection);
}

void Exchange::put_back()
{
    const QHash<QObject *, bool> marks = marks_;
    for (auto it = marks.cbegin(); it != marks.cend(); ++it)
        set_mark(it.key(), it.value());
    // A control the handler hid (rows 4 and 5) or emptied (a row taken
    // whole) has given up the focus for good.
    if (focus_ && focus_->isVisible() && focus_->focusPolicy() != Qt::NoFocus && window_.focusWidget() != focus_)
        focus_->setFocus();
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
    case QEvent::Show:
        // No input can open a menu meanwhile, but a screen reader's "show
        // menu" can: it closes again at once.
        if (auto *menu = qobject_cast<QMenu *>(target))
            QMetaObject::invokeMethod(menu, &QWidget::close, Qt::QueuedConnection);
        return false;
    case QEvent::Close:
        // The game is still using the board: the window system's close (the
        // only spontaneous one) waits; the program's own goes ahead. A
        // message box blocks its window, as on every desktop: a close asked
        // for then is refused (Qt itself drops most before they get here).
        if (target != &window_ || !event->spontaneous())
            return false;
        if (!QApplication::activeModalWidget())
            close_waiting_ = true;
        event->ignore();
        return true;
    default:
        return false;
    }
}

}  // namespace brastola::ui
