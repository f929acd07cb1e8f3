#include "pixel_ratio.h"

#include <QEvent>
#include <QWidget>

namespace brastola::ui {

namespace {

class RatioFollower : public QObject {
public:
    RatioFollower(QWidget &widget, std::function<void(qreal)> reload)
        : QObject(&widget), widget_(widget), ratio_(widget.devicePixelRatioF()), reload_(std::move(reload))
    {
        widget.installEventFilter(this);
    }

protected:
    // Qt tells every widget of a window that passes to another screen.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ScreenChangeInternal && widget_.devicePixelRatioF() != ratio_) {
            ratio_ = widget_.devicePixelRatioF();
            reload_(ratio_);
        }
        return false;
    }

private:
    QWidget &widget_;
    qreal ratio_;
    std::function<void(qreal)> reload_;
};

}  // namespace

void follow_pixel_ratio(QWidget &widget, std::function<void(qreal)> reload)
{
    new RatioFollower(widget, std::move(reload));
}

}  // namespace brastola::ui
