#include "drawings.h"

#include <QPainter>

#include <algorithm>

namespace draw_pictures {

QImage start_background(const QImage &window)
{
    const int width = 448;
    const int height = 335;
    const int border = 41;
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
    // title that the start window writes across the top.
    const QRect room(border + 122, 78, width - 2 * border - 122 - 8, height - border - 78 - 6);
    const QImage reduced = window.convertToFormat(QImage::Format_RGB32)
                               .scaled(room.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint at(room.right() + 1 - reduced.width(),
                   room.top() + (room.height() - reduced.height()) / 2);
    QPainter p(&image);
    p.drawImage(at, reduced);
    p.setPen(QColor(48, 48, 48));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(at - QPoint(1, 1), reduced.size() + QSize(1, 1)));
    return image;
}

}  // namespace draw_pictures
