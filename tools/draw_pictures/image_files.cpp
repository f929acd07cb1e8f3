#include "image_files.h"

#include <QtEndian>

#include <algorithm>
#include <stdexcept>

namespace draw_pictures {

namespace {

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put_info_header(QByteArray &out, int width, int height, int bits, int image_bytes,
                     int colours)
{
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);  // uncompressed
    put32(out, image_bytes);
    put32(out, 0);  // no resolution: the pictures are shown pixel for pixel
    put32(out, 0);
    put32(out, colours);
    put32(out, 0);
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
int row_bytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

}  // namespace

QByteArray bmp24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int stride = row_bytes(image.width(), 24);
    const int pixel_bytes = stride * image.height();

    QByteArray out("BM");
    put32(out, 14 + 40 + pixel_bytes);
    put32(out, 0);
    put32(out, 14 + 40);
    put_info_header(out, image.width(), image.height(), 24, pixel_bytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
        out += row;
    }
    return out;
}

QByteArray icon_file(const QImage &source, const QPoint *hotspot)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int colour_stride = row_bytes(w, 4);
    const int mask_stride = row_bytes(w, 1);
    const int data_bytes = 40 + 16 * 4 + (colour_stride + mask_stride) * h;

    QByteArray out;
    put16(out, 0);
    put16(out, hotspot ? 2 : 1);
    put16(out, 1);
    out.append(char(w));
    out.append(char(h));
    out.append(char(16));
    out.append('\0');
    // A cursor keeps its hotspot where an icon keeps planes and bit count.
    put16(out, hotspot ? hotspot->x() : 1);
    put16(out, hotspot ? hotspot->y() : 4);
    put32(out, data_bytes);
    put32(out, 6 + 16);

    // The height counts the colour bitmap and the mask stacked together.
    put_info_header(out, w, 2 * h, 4, (colour_stride + mask_stride) * h, 16);
    for (QRgb colour : palette16) {
        put32(out, colour & 0xffffff);
    }

    QByteArray colours;
    QByteArray mask;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray colour_row(colour_stride, '\0');
        QByteArray mask_row(mask_stride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                // Colour 0 (black) under a set mask bit leaves the screen as it was.
                mask_row[x / 8] = char(mask_row[x / 8] | (0x80 >> (x % 8)));
                continue;
            }
            const auto found = std::find(palette16.begin(), palette16.end(), pixel);
            if (qAlpha(pixel) != 255 || found == palette16.end())
                throw std::runtime_error("icon pixel outside the 16-colour palette");
            const int index = int(found - palette16.begin());
            colour_row[x / 2] = char(colour_row[x / 2] | (x % 2 ? index : index << 4));
        }
        colours += colour_row;
        mask += mask_row;
    }
    return out + colours + mask;
}

}  // namespace draw_pictures
