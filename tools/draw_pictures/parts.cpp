#include "parts.h"
#include "image_files.h"

#include <stdexcept>
#include <string_view>

namespace draw_pictures {

QImage canvas(QSize size, int scale, const QColor &ground)
{
    QImage image(size * scale, ground.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(ground);
    image.setDevicePixelRatio(scale);
    return image;
}

namespace {

// The letters of the pixel art: the colour's initial where one is free.
QRgb art_colour(char letter)
{
    switch (letter) {
    case 'K': return palette16[0];   // black
    case 'd': return palette16[1];   // dark red
    case 'O': return palette16[3];   // olive
    case 'b': return palette16[4];   // navy
    case 's': return palette16[7];   // silver
    case 'g': return palette16[8];   // grey
    case 'R': return palette16[9];   // red
    case 'Y': return palette16[11];  // yellow
    case 'B': return palette16[12];  // blue
    case 'W': return palette16[15];  // white
    }
    throw std::logic_error(std::string("unknown colour '") + letter + "' in pixel art");
}

}  // namespace

void paint_pixel_art(QImage &image, std::span<const char *const> rows, QPoint at)
{
    for (int y = 0; y < int(rows.size()); ++y) {
        const std::string_view row = rows[y];
        for (int x = 0; x < int(row.size()); ++x) {
            if (row[x] != '.')
                image.setPixel(at.x() + x, at.y() + y, art_colour(row[x]));
        }
    }
}

QPainterPath match_head(double width, double height, double stick_width)
{
    QPainterPath head;
    head.moveTo(0, 0);
    head.cubicTo(width * 0.62, 0, width * 0.55, height * 0.62, stick_width * 0.55, height);
    head.lineTo(-stick_width * 0.55, height);
    head.cubicTo(-width * 0.55, height * 0.62, -width * 0.62, 0, 0, 0);
    return head;
}

}  // namespace draw_pictures
