#include "test_platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonObject>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

namespace brastola::testing {

void set_screens(const QJsonArray &screens)
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    using Configure = void (*)(const QJsonObject &, QPlatformNativeInterface *);
    const auto configure = reinterpret_cast<Configure>(native->nativeResourceForIntegration("setConfiguration"));
    configure({{"screens", screens}}, native);
    QCoreApplication::processEvents();  // the new geometries
}

QRect device_frame(const QWidget &window)
{
    const QPlatformWindow &native = *window.windowHandle()->handle();
    return native.geometry().marginsAdded(native.frameMargins());
}

QRect device_area(const QScreen &screen)
{
    return screen.handle()->availableGeometry();
}

QRect device_frame_at(const QWidget &window, QPoint client)
{
    const QPlatformWindow &native = *window.windowHandle()->handle();
    const QPoint origin = window.screen()->geometry().topLeft();
    const qreal factor = window.windowHandle()->devicePixelRatio() / native.devicePixelRatio();
    return QRect(origin + (QPointF(client - origin) * factor).toPoint(), native.geometry().size())
        .marginsAdded(native.frameMargins());
}

void start_listening()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

}  // namespace brastola::testing
