#include "pictures.h"

#include <QGuiApplication>
#include <QImage>

namespace brastola::ui {

// QPixmap keeps pictures loaded from a file in QPixmapCache, so loading on
// every call costs little and no pixmap outlives the application object.

namespace {

QPixmap drawn_for_1(const QString &name)
{
    return QPixmap(QStringLiteral(":/") + name);
}

// Qt's name for the picture drawn for a device pixel ratio of 2. Qt reads the
// ratio from that name too, but not when QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING
// is set.
QPixmap drawn_for_2(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QPixmap pixmap(QStringLiteral(":/") + name.left(dot) + QStringLiteral("@2x") + name.mid(dot));
    pixmap.setDevicePixelRatio(2);
    return pixmap;
}

// The size in device pixels of a picture drawn for 2, shown at `ratio`.
QSize device_size(const QPixmap &drawn_for_2, qreal ratio)
{
    return (QSizeF(drawn_for_2.size()) / 2 * ratio).toSize();
}

QPixmap picture(const QString &name, qreal ratio)
{
    if (ratio <= 1)
        return drawn_for_1(name);
    QPixmap sharp = drawn_for_2(name);
    if (ratio >= 2)
        return sharp;
    QPixmap reduced = sharp.scaled(device_size(sharp, ratio), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    reduced.setDevicePixelRatio(ratio);
    return reduced;
}

}  // namespace

QIcon app_icon()
{
    // Both at ratio 1, so that the icon holds a 32 and a 64-pixel image and
    // picks by pixels. Given a file name, QIcon would add the @2x file by
    // itself on a screen with a ratio above 1, and so twice.
    QIcon icon;
    icon.addPixmap(drawn_for_1(QStringLiteral("app_icon.ico")));
    icon.addPixmap(QPixmap(QStringLiteral(":/app_icon@2x.ico")));
    return icon;
}

QPixmap app_icon_pixmap(qreal device_pixel_ratio)
{
    return picture(QStringLiteral("app_icon.ico"), device_pixel_ratio);
}

QCursor hand_cursor(qreal device_pixel_ratio)
{
    // Qt reads a cursor file as a plain picture and drops the hotspot stored in it.
    const QPixmap hand = picture(QStringLiteral("hand_cursor.cur"), device_pixel_ratio);
    const QPoint tip(12, 1);  // in logical pixels

    // Qt 6.4 leaves the unit of the hotspot of a pixmap with a device pixel
    // ratio to the platform, and they differ. Measured on X11: the xcb plugin
    // hands the pixmap to the server unscaled with hotSpot() as it is, so a
    // 64-pixel hand at ratio 2 needs (24, 2). The Windows plugin (read in its
    // source) scales the pixmap to the screen and multiplies hotSpot() by the
    // screen's ratio, so it needs logical pixels, as QCursor's own default
    // (the pixmap's centre, its width / 2 / ratio) assumes.
    const bool device_pixels = QGuiApplication::platformName() == QLatin1String("xcb");
    const QPoint hotspot = device_pixels ? (QPointF(tip) * hand.devicePixelRatio()).toPoint() : tip;
    return QCursor(hand, hotspot.x(), hotspot.y());
}

QPixmap match_image(qreal device_pixel_ratio)
{
    if (device_pixel_ratio <= 1 || device_pixel_ratio >= 2)
        return picture(QStringLiteral("match_image.bmp"), device_pixel_ratio);

    // Reduced as it is, the white around the match would blend into its
    // edges, and the board, which leaves out pure white only, would show a
    // pale fringe. So the white is made transparent for the reduction, and
    // afterwards each pixel is either the match's own colour, where the match
    // covered at least half of it, or pure white again.
    const QPixmap sharp = drawn_for_2(QStringLiteral("match_image.bmp"));
    QImage image = sharp.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == qRgb(255, 255, 255))
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                .scaled(device_size(sharp, device_pixel_ratio), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qAlpha(line[x]) >= 128 ? line[x] | 0xff000000 : qRgb(255, 255, 255);
    }
    QPixmap reduced = QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
    reduced.setDevicePixelRatio(device_pixel_ratio);
    return reduced;
}

QPixmap crossed_matches(qreal device_pixel_ratio)
{
    return picture(QStringLiteral("crossed_matches.bmp"), device_pixel_ratio);
}

QPixmap computer_grin(qreal device_pixel_ratio)
{
    return picture(QStringLiteral("computer_grin.bmp"), device_pixel_ratio);
}

QPixmap computer_tongue(qreal device_pixel_ratio)
{
    return picture(QStringLiteral("computer_tongue.bmp"), device_pixel_ratio);
}

QPixmap computer_sad(qreal device_pixel_ratio)
{
    return picture(QStringLiteral("computer_sad.bmp"), device_pixel_ratio);
}

QPixmap start_background(qreal device_pixel_ratio)
{
    return picture(QStringLiteral("start_background.bmp"), device_pixel_ratio);
}

}  // namespace brastola::ui
