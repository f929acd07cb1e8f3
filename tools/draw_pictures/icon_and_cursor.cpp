#include "drawings.h"
#include "image_files.h"

#include <array>
#include <stdexcept>

namespace draw_pictures {

namespace {

enum Colour { black = 0, dark_red = 1, olive = 3, navy = 4, grey = 8,
              red = 9, yellow = 11, blue = 12, white = 15 };

QImage transparent_32()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void put(QImage &image, int x, int y, Colour colour)
{
    image.setPixel(x, y, palette16[colour]);
}

}  // namespace

QImage app_icon()
{
    QImage image = transparent_32();
    // Four matches 7 pixels wide with their outline, one pixel apart:
    // K outline, d and R the head dark on the left, w its glint, O and Y the
    // stick from olive to yellow.
    static constexpr std::array<const char *, 9> head = {
        "..KKK..", ".KdRRK.", "KdRRwRK", "KdRRRRK", "KdRRRRK",
        "KdRRRRK", "KdRRRRK", ".KdRRK.", ".KOYYK.",
    };
    for (int m = 0; m < 4; ++m) {
        const int left = 1 + 8 * m;
        for (int y = 2; y <= 30; ++y) {
            // Below the head the stick repeats its first row, then is closed.
            const char *row = y < 2 + int(head.size()) ? head[y - 2]
                              : y < 30                ? head.back()
                                                      : ".KKKKK.";
            for (int i = 0; i < 7; ++i) {
                switch (row[i]) {
                case 'K': put(image, left + i, y, black); break;
                case 'd': put(image, left + i, y, dark_red); break;
                case 'R': put(image, left + i, y, red); break;
                case 'w': put(image, left + i, y, white); break;
                case 'O': put(image, left + i, y, olive); break;
                case 'Y': put(image, left + i, y, yellow); break;
                }
            }
        }
    }
    return image;
}

QImage hand_cursor()
{
    // K outline, W hand, g the fingers' creases, B cuff, b its shadow.
    static constexpr std::array<const char *, 32> rows = {
        "................................",
        "...........KKK..................",
        "..........KWWWK.................",
        "..........KWWWK.................",
        "..........KWWWK.................",
        "..........KWWWK.................",
        "..........KWWWK.................",
        "..........KWWWKKK...............",
        "..........KWWWKWWKKK............",
        "..........KWWWKWWKWWKK..........",
        "..........KWWWKWWKWWKWK.........",
        "..........KWWWgWWgWWgWWK........",
        "...KKK....KWWWgWWgWWgWWK........",
        "..KWWWK...KWWWWWWWWWWWWK........",
        "..KWWWWK..KWWWWWWWWWWWWK........",
        "...KWWWWK.KWWWWWWWWWWWWK........",
        "....KWWWWKKWWWWWWWWWWWWK........",
        ".....KWWWWWWWWWWWWWWWWWK........",
        "......KWWWWWWWWWWWWWWWWK........",
        ".......KWWWWWWWWWWWWWWWK........",
        "........KWWWWWWWWWWWWWK.........",
        ".........KWWWWWWWWWWWWK.........",
        "..........KWWWWWWWWWWK..........",
        "..........KWWWWWWWWWWK..........",
        ".........KKKKKKKKKKKKKK.........",
        ".........KBBBBBBBBBBBBK.........",
        ".........KBBBBBBBBBBBBK.........",
        ".........KBBBBBBBBBBBbK.........",
        ".........KbbbbbbbbbbbbK.........",
        ".........KKKKKKKKKKKKKK.........",
        "................................",
        "................................",
    };
    QImage image = transparent_32();
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            switch (rows[y][x]) {
            case '.': break;
            case 'K': put(image, x, y, black); break;
            case 'W': put(image, x, y, white); break;
            case 'g': put(image, x, y, grey); break;
            case 'B': put(image, x, y, blue); break;
            case 'b': put(image, x, y, navy); break;
            default: throw std::logic_error("unknown colour in the hand cursor");
            }
        }
    }
    return image;
}

}  // namespace draw_pictures
