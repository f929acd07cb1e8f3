#include "drawings.h"
#include "parts.h"

#include <array>
#include <stdexcept>

namespace draw_pictures {

namespace {

// Pixel art (see parts.h): K outline, W the hand, g creases, s its shading,
// B the cuff, b the cuff's shadow.
constexpr std::array<const char *, 32> hand_32 = {
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

// With a thinner outline the hand has room for a nail, a knuckle, shading
// along the fingers and a button on the cuff.
constexpr std::array<const char *, 64> hand_64 = {
    "................................................................",
    "................................................................",
    ".......................KKKK.....................................",
    "......................KWWWWK....................................",
    ".....................KWssssWK...................................",
    ".....................KWsWWsWK...................................",
    ".....................KWsWWsWK...................................",
    ".....................KWsWWsWK...................................",
    ".....................KWsWWsWK...................................",
    ".....................KWWssWWK...................................",
    ".....................KWWWWWsK...................................",
    ".....................KWWWWWsK...................................",
    ".....................KWWWWWsK...................................",
    ".....................KWWWWWsK...................................",
    ".....................KWWWWWsK.KKKK..............................",
    ".....................KWWWWWsKKWWWWK.............................",
    ".....................KWggggsKWWWWWK.KKKK........................",
    ".....................KWWWWWsKWWWWsKKWWWWK.......................",
    ".....................KWWWWWsKWWWWsKWWWWWK.......................",
    ".....................KWWWWWsKWWWWsKWWWWsK.KKKK..................",
    ".....................KWWWWWsKWWWWsKWWWWsKKWWWWK.................",
    ".....................KWWWWWsKWWWWsKWWWWsKWWWWWK.................",
    ".....................KWWWWWsgWWWWsgWWWWsgWWWWsK.................",
    ".....................KWWWWWsgWWWWsgWWWWsgWWWWsK.................",
    ".......KKKKK.........KWWWWWsgWWWWsgWWWWsgWWWWsK.................",
    ".....KKWsssWK........KWWWWWsgWWWWsgWWWWsgWWWWsK.................",
    "....KWWsWWWWWK.......KWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "....KWWsWWWWWWK......KWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "....KWWWWWWWWWWK.....KWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    ".....KWWWWWWWWWWK....KWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "......KWWWWWWWWWWK...KWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    ".......KWWWWWWWWWWK..KWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "........KWWWWWWWWWWK.KWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    ".........KWWWWWWWWWWKKWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "..........KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "...........KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "............KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    ".............KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "..............KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "...............KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.................",
    "................KWWWWWWWWWWWWWWWWWWWWWWWWWWWsK..................",
    ".................KWWWWWWWWWWWWWWWWWWWWWWWWWWsK..................",
    "..................KWWWWWWWWWWWWWWWWWWWWWWWWsK...................",
    "...................KWWWWWWWWWWWWWWWWWWWWWWWsK...................",
    "....................KWWWWWWWWWWWWWWWWWWWWWsK....................",
    "....................KWWWWWWWWWWWWWWWWWWWWWsK....................",
    "....................KWWWWWWWWWWWWWWWWWWWWWsK....................",
    "....................KWWWWWWWWWWWWWWWWWWWWWsK....................",
    "..................KKKKKKKKKKKKKKKKKKKKKKKKKKKK..................",
    "..................KBBBBBBBBBBBBBBBBBBBBBBBBBbK..................",
    "..................KBBBBBBBBBBBBBBBBBBBBBBBBBbK..................",
    "..................KBBBBBBBBBBBBBBBBBBBBKKBBBbK..................",
    "..................KBBBBBBBBBBBBBBBBBBBKWWKBBbK..................",
    "..................KBBBBBBBBBBBBBBBBBBBKssKBBbK..................",
    "..................KBBBBBBBBBBBBBBBBBBBBKKBBBbK..................",
    "..................KBBBBBBBBBBBBBBBBBBBBBBBBBbK..................",
    "..................KbbbbbbbbbbbbbbbbbbbbbbbbbbK..................",
    "..................KbbbbbbbbbbbbbbbbbbbbbbbbbbK..................",
    "..................KbbbbbbbbbbbbbbbbbbbbbbbbbbK..................",
    "..................KKKKKKKKKKKKKKKKKKKKKKKKKKKK..................",
    "................................................................",
    "................................................................",
    "................................................................",
    "................................................................",
};

}  // namespace

QImage hand_cursor(int scale)
{
    QImage image = canvas(QSize(32, 32), scale, Qt::transparent);
    switch (scale) {
    case 1: paint_pixel_art(image, hand_32); break;
    case 2: paint_pixel_art(image, hand_64); break;
    default: throw std::invalid_argument("no hand cursor at that scale");
    }
    return image;
}

QPoint hand_hotspot(int scale)
{
    // The top of the fingertip in each drawing; at scale 2 the tip is four
    // pixels across, and (24, 2) is exactly (12, 1) in the coordinates of scale 1.
    return scale == 1 ? QPoint(12, 1) : QPoint(24, 2);
}

}  // namespace draw_pictures
