#include "drawings.h"

#include <QPainter>

#include <algorithm>

namespace draw_pictures {

namespace {

// In the pixels of scale 1.
constexpr int full_width = 448;
constexpr int full_height = 335;
constexpr int border_width = 41;

}  // namespace

QImage start_background(const QImage &window, int scale)
{
    const int width = full_width * scale;
    const int height = full_height * scale;
    const int border = border_width * scale;
    const QColor grey(192, 192, 192);
    const QColor red(255, 0, 0);

    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Distance to the nearest edge; the corners meet on the diagonals.
            const int d = std::min({x, y, width - 1 - x, height - 1 - y});
            if (d >= border) {
                image.setPixelColor(x, y, grey);
                continue;
            }
            const double t = double(d) / border;
            auto mix = [t](int a, int b) { return int(a + (b - a) * t + 0.5); };
            image.setPixelColor(x, y, QColor(mix(red.red(), grey.red()),
                                             mix(red.green(), grey.green()),
                                             mix(red.blue(), grey.blue())));
        }
    }

    if (window.isNull())
        return image;

    // The reduced main window fills the right part of the field, below the
    // title that the start window writes across the top, inside a dark frame.
    const QRect room(QPoint(border_width + 122, 78) * scale,
                     QSize(full_width - 2 * border_width - 122 - 8,
                           full_height - border_width - 78 - 6) * scale);
    const QImage reduced = window.convertToFormat(QImage::Format_RGB32)
                               .scaled(room.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint at(room.right() + 1 - reduced.width(),
                    room.top() + (room.height() - reduced.height()) / 2);
    QPainter p(&image);
    p.fillRect(QRect(at, reduced.size()).adjusted(-scale, -scale, scale, scale), QColor(48, 48, 48));
    p.drawImage(at, reduced);
    return image;
}

}  // namespace draw_pictures
