#include "settling.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

namespace brastola::ui {

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
