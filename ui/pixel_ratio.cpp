#include "pixel_ratio.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace brastola::ui {

namespace {

class RatioFollower : public QObject {
    Q_OBJECT

public:
    RatioFollower(QWidget &widget, std::function<void(qreal)> reload)
        : QObject(&widget), widget_(widget), ratio_(widget.devicePixelRatioF()), reload_(std::move(reload))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:  // a window gets its handle, or a new one, as it is shown
            if (QWindow *handle = widget_.window()->windowHandle(); handle && handle != handle_) {
                handle_ = handle;
                connect(handle, &QWindow::screenChanged, this, &RatioFollower::check);
            }
            check();
            break;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        case QEvent::DevicePixelRatioChange:  // the screen's own ratio changed
            check();
            break;
#endif
        default:
            break;
        }
        return false;
    }

private:
    void check()
    {
        if (widget_.devicePixelRatioF() == ratio_)
            return;
        ratio_ = widget_.devicePixelRatioF();
        reload_(ratio_);
    }

    QWidget &widget_;
    qreal ratio_;
    std::function<void(qreal)> reload_;
    QPointer<QWindow> handle_;
};

}  // namespace

void follow_pixel_ratio(QWidget &widget, std::function<void(qreal)> reload)
{
    new RatioFollower(widget, std::move(reload));
}

}  // namespace brastola::ui

#include "pixel_ratio.moc"
