#include "placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

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

// Qt places windows in logical pixels and turns them into device pixels
// (relative to the screen's origin, which both share) by rounding: at a
// scale factor like 1.5 the nearest logical position may land a device pixel
// beyond an edge. Returns the logical coordinate whose device coordinate is
// nearest to `device` within [low, high], or else the first above `low`.
int logical_coordinate(int device, int origin, qreal factor, int low, int high)
{
    const qreal exact = (device - origin) / factor;
    const int candidates[] = {qRound(exact), static_cast<int>(std::floor(exact)), static_cast<int>(std::ceil(exact))};
    for (int candidate : candidates) {
        const int back = origin + qRound(candidate * factor);
        if (back >= low && back <= high)
            return origin + candidate;
    }
    return origin + candidates[2];
}

class ScreenKeeper : public QObject {
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

    // In device pixels, where logical ones would be rounded by a pixel or two.
    void place()
    {
        if (!handle_ || !handle_->handle() || !handle_->isVisible() ||
            handle_->windowStates() & Qt::WindowMinimized || !screen_)
            return;
        const QPlatformWindow &native = *handle_->handle();
        const QRect frame = native.geometry().marginsAdded(native.frameMargins());
        const QRect area = screen_->handle()->availableGeometry();
        const QPoint at = frame_position(frame, area);
        if (at == frame.topLeft())
            return;
        const qreal factor = handle_->devicePixelRatio() / native.devicePixelRatio();
        const QPoint origin = screen_->handle()->geometry().topLeft();
        const bool inside = fits(frame, area);
        const QPoint last(inside ? area.right() + 1 - frame.width() : INT_MAX,
                          inside ? area.bottom() + 1 - frame.height() : INT_MAX);
        handle_->setFramePosition(QPoint(logical_coordinate(at.x(), origin.x(), factor, area.left(), last.x()),
                                         logical_coordinate(at.y(), origin.y(), factor, area.top(), last.y())));
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
