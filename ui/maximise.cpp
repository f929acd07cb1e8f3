#include "maximise.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace brastola::ui {

namespace {

class MaximisedSize : public QObject {
    Q_OBJECT

public:
    explicit MaximisedSize(QWidget &window) : QObject(&window), window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // A window gets a new handle when it is shown again after its handle
        // was destroyed.
        if (event->type() == QEvent::Show && window_.windowHandle() != handle_) {
            handle_ = window_.windowHandle();
            connect(handle_, &QWindow::windowStateChanged, this, &MaximisedSize::follow);
        }
        return false;
    }

private:
    // Qt asks the compositor for the state first and sizes the window from
    // its answer later, within the window's limits: they are lifted in time.
    void follow(Qt::WindowState state)
    {
        handle_->setMaximumSize(state == Qt::WindowMaximized ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)
                                                             : window_.maximumSize());
    }

    QWidget &window_;
    QPointer<QWindow> handle_;
};

}  // namespace

void take_maximised_size(QWidget &window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new MaximisedSize(window);
}

}  // namespace brastola::ui

#include "maximise.moc"
