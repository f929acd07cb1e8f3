#include "placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <cmath>

namespace brastola::ui {

namespace {

bool fits(const QRect &frame, const QRect &area)
{
    return frame.width() <= area.width() && frame.height() <= area.height();
}

}  // namespace

QPoint frame_position(const QRect &frame, const QRect &area)
{
    if (!fits(frame, area))
        return area.topLeft();
    return QPoint(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()),
                  std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
}

namespace {

// Qt gives a window's frame and its screen's free area in logical pixels,
// rounded from the device pixels the window system has: at a scale factor
// like 1.5 or 2, one logical pixel stands for one or two device pixels.
// Where Qt placed and sized the window itself, its rounding is undone
// exactly. A frame's margins are the window manager's: they are taken as
// wide as they can be, so that a frame is never thought narrower than it is.
// Screens and panels measure an even number of device pixels on common
// desktops: of two lengths that Qt rounds alike, the area takes the even one.
struct DeviceScale {
    qreal factor;
    QPoint origin;  // the screen's top-left corner, where both kinds of pixel agree

    // Qt's own rounding of a logical length or position to device pixels.
    int length(int logical) const { return qRound(logical * factor); }
    QPoint point(QPoint logical) const
    {
        return origin + QPoint(length(logical.x() - origin.x()), length(logical.y() - origin.y()));
    }
    // The largest device length that Qt rounds to `logical`.
    int widest(int logical) const { return static_cast<int>(std::ceil((logical + 0.5) * factor)) - 1; }
    // The device length nearest to `logical` times the factor; of two as
    // near, the even one.
    int even(int logical) const { return static_cast<int>(std::nearbyint(logical * factor)); }

    QRect frame(const QWindow &window) const
    {
        const QRect client = window.geometry();
        const QMargins m = window.frameMargins();
        return QRect(point(client.topLeft()), QSize(length(client.width()), length(client.height())))
            .marginsAdded(QMargins(widest(m.left()), widest(m.top()), widest(m.right()), widest(m.bottom())));
    }
    QRect area(const QScreen &screen) const
    {
        const QRect free = screen.availableGeometry();
        const QPoint from = free.topLeft() - origin;
        return QRect(origin + QPoint(even(from.x()), even(from.y())), QSize(even(free.width()), even(free.height())));
    }

    // The logical position whose device position is nearest to `device`
    // within [low, high] on each axis, or else the first beyond `low`.
    QPoint logical(QPoint device, QPoint low, QPoint high) const
    {
        return QPoint(logical(device.x(), origin.x(), low.x(), high.x()),
                      logical(device.y(), origin.y(), low.y(), high.y()));
    }
    // On one axis, whose origin is at `start`.
    int logical(int device, int start, int low, int high) const
    {
        const qreal exact = (device - start) / factor;
        const int candidates[] = {qRound(exact), static_cast<int>(std::floor(exact)),
                                  static_cast<int>(std::ceil(exact))};
        for (int candidate : candidates) {
            const int back = start + length(candidate);
            if (back >= low && back <= high)
                return start + candidate;
        }
        return start + candidates[2];
    }
};

class ScreenKeeper : public QObject {
    Q_OBJECT

public:
    explicit ScreenKeeper(QWidget &window) : QObject(&window), window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (target == &window_ && event->type() == QEvent::Show) {
            watch(window_.windowHandle());
            framing_ = true;
        } else if (target == handle_ && event->type() == QEvent::Expose && framing_ && handle_->isExposed()) {
            // The window manager frames a window before it maps it: its
            // first exposure is the first moment its frame is known.
            framing_ = false;
            place();
        }
        return false;
    }

private:
    // A window gets a new handle when it is shown again after its handle
    // was destroyed.
    void watch(QWindow *handle)
    {
        if (handle == handle_)
            return;
        handle_ = handle;
        handle->installEventFilter(this);
        connect(handle, &QWindow::screenChanged, this, &ScreenKeeper::follow);
        follow(handle->screen());
    }

    void follow(QScreen *screen)
    {
        disconnect(area_changed_);
        // Qt moves the windows of a removed screen to another only after it
        // has taken that screen out of its list.
        const bool removed = screen_ && !QGuiApplication::screens().contains(screen_);
        screen_ = screen;
        if (screen)
            area_changed_ = connect(screen, &QScreen::availableGeometryChanged, this, &ScreenKeeper::place);
        if (removed)
            place();
    }

    // In device pixels, where logical ones would be rounded by a pixel.
    void place()
    {
        if (!handle_ || !handle_->isVisible() || handle_->windowStates() & Qt::WindowMinimized || !screen_)
            return;
        const DeviceScale scale{handle_->devicePixelRatio(), screen_->geometry().topLeft()};
        const QRect frame = scale.frame(*handle_);
        const QRect area = scale.area(*screen_);
        const QPoint at = frame_position(frame, area);
        if (at == frame.topLeft())
            return;
        const bool inside = fits(frame, area);
        const QPoint last(inside ? area.right() + 1 - frame.width() : INT_MAX,
                          inside ? area.bottom() + 1 - frame.height() : INT_MAX);
        handle_->setFramePosition(scale.logical(at, area.topLeft(), last));
    }

    QWidget &window_;
    QPointer<QWindow> handle_;
    QPointer<QScreen> screen_;
    QMetaObject::Connection area_changed_;
    bool framing_ = false;
};

}  // namespace

void keep_on_screen(QWidget &window)
{
    new ScreenKeeper(window);
}

}  // namespace brastola::ui

#include "placement.moc"
