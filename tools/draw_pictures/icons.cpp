#include "drawings.h"
#include "parts.h"

#include <array>
#include <stdexcept>

namespace draw_pictures {

namespace {

// One match of the icon in pixel art (see parts.h): K outline, d and R the
// head, dark on the left, W its glint, O and Y the stick from olive to yellow.
struct MatchArt {
    std::span<const char *const> head;  // from its top down to the stick
    const char *stick;                  // repeated down the stick
    std::span<const char *const> foot;  // the stick's lower end
};

// Matches standing side by side on a transparent square, the first with its
// top-left corner at `first`, each `pitch` pixels right of the one before;
// their feet end on row `bottom`.
QImage row_of_matches(int size, const MatchArt &art, int count, QPoint first, int pitch, int bottom)
{
    QImage image = canvas({size, size}, 1, Qt::transparent);
    const int foot_top = bottom + 1 - int(art.foot.size());
    for (int m = 0; m < count; ++m) {
        const QPoint at = first + QPoint(pitch * m, 0);
        paint_pixel_art(image, art.head, at);
        for (int y = at.y() + int(art.head.size()); y < foot_top; ++y)
            paint_pixel_art(image, std::span(&art.stick, 1), {at.x(), y});
        paint_pixel_art(image, art.foot, {at.x(), foot_top});
    }
    return image;
}

constexpr std::array<const char *, 8> head_7 = {
    "..KKK..", ".KdRRK.", "KdRRWRK", "KdRRRRK", "KdRRRRK", "KdRRRRK", "KdRRRRK", ".KdRRK.",
};
constexpr std::array<const char *, 1> foot_7 = {".KKKKK."};

// At 14 pixels across the head gets a thin outline, a rounded top, shading
// on both sides and a larger glint; the stick's cut end shows the wood.
constexpr std::array<const char *, 16> head_14 = {
    "....KKKKKK....",
    "..KKdRRRRRKK..",
    ".KddRRRRRRRRK.",
    ".KdRRRRRRWWRK.",
    "KddRRRRRWWWWRK",
    "KdRRRRRRRWWRRK",
    "KdRRRRRRRRRRRK",
    "KdRRRRRRRRRRRK",
    "KdRRRRRRRRRRRK",
    "KddRRRRRRRRRRK",
    "KddRRRRRRRRRdK",
    ".KddRRRRRRRdK.",
    ".KdddRRRRRddK.",
    "..KddRRRRRdK..",
    "..KddRRRRRdK..",
    "..KKddddddKK..",
};
constexpr std::array<const char *, 2> foot_14 = {"..KOOOOOOOOK..", "..KKKKKKKKKK.."};

}  // namespace

QImage app_icon(int scale)
{
    switch (scale) {
    case 1: return row_of_matches(32, {head_7, ".KOYYK.", foot_7}, 4, {1, 2}, 8, 30);
    case 2: return row_of_matches(64, {head_14, "..KOOYYYYYYK..", foot_14}, 4, {2, 4}, 16, 61);
    }
    throw std::invalid_argument("no icon at that scale");
}

}  // namespace draw_pictures
