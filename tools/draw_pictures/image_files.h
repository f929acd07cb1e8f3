#pragma once

// Writers for the two file formats of the game's pictures. Qt writes BMPs
// and icons only in its own choice of depth, while the game's bitmaps are
// 24-bit and its icon and cursor 16-colour, so both are written here.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRgb>

#include <array>

namespace draw_pictures {

// The standard 16-colour palette, in the order Windows uses it.
inline constexpr std::array<QRgb, 16> palette16 = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000,
    0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

// A bottom-up, uncompressed 24 bits per pixel BMP of the image's colours.
QByteArray bmp24(const QImage &image);

// An icon (hotspot null) or a cursor with one 4 bits per pixel image. Every
// pixel must be either fully transparent or one of palette16.
QByteArray icon_file(const QImage &image, const QPoint *hotspot);

}  // namespace draw_pictures
