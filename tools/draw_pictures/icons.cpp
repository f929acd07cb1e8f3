#include "drawings.h"
#include "parts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

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

// For launchers' smallest sizes: fewer, simpler matches.
constexpr std::array<const char *, 6> head_5 = {
    ".KKK.", "KdRWK", "KdRRK", "KdRRK", "KdRRK", ".KdK.",
};
constexpr std::array<const char *, 1> foot_5 = {".KKK."};
constexpr std::array<const char *, 5> head_4 = {".dR.", "dRRR", "dRWR", "dRRR", ".dd."};
constexpr std::array<const char *, 1> foot_4 = {".OO."};

// Four matches as one outlined shape each, drawn with paths and gradients in
// the coordinates of the 32-pixel icon, for launchers at 48 pixels and more.
QImage painted_matches(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    const double outline = 0.8;
    const double stick_width = 4.2;
    const double head_width = 7.0;
    const double head_height = 9.0;
    const double top = 2.0;
    const double foot = 30.5;
    for (int m = 0; m < 4; ++m) {
        const double axis = 4.5 + 8 * m;
        p.setPen(QPen(Qt::black, outline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        QLinearGradient wood(axis - stick_width / 2, 0, axis + stick_width / 2, 0);
        wood.setColorAt(0.0, QColor(128, 112, 0));
        wood.setColorAt(0.4, QColor(238, 222, 20));
        wood.setColorAt(1.0, QColor(255, 250, 140));
        p.setBrush(wood);
        p.drawRect(QRectF(axis - stick_width / 2, top + head_height * 0.7, stick_width,
                          foot - top - head_height * 0.7));

        // Lit from the upper right, as in the icon's pixel art.
        const QPointF light(axis + head_width * 0.18, top + head_height * 0.3);
        QRadialGradient red(light, head_width * 0.75);
        red.setColorAt(0.0, QColor(255, 60, 40));
        red.setColorAt(0.55, QColor(214, 0, 0));
        red.setColorAt(1.0, QColor(110, 0, 0));
        p.setBrush(red);
        p.drawPath(match_head(head_width, head_height, stick_width).translated(axis, top));

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawEllipse(light, head_width * 0.11, head_width * 0.09);
    }
    return image;
}

}  // namespace

QImage app_icon(int scale)
{
    switch (scale) {
    case 1: return row_of_matches(32, {head_7, ".KOYYK.", foot_7}, 4, {1, 2}, 8, 30);
    case 2: return row_of_matches(64, {head_14, "..KOOYYYYYYK..", foot_14}, 4, {2, 4}, 16, 61);
    }
    throw std::invalid_argument("no icon at that scale");
}

QImage launcher_icon(int size)
{
    switch (size) {
    case 16: return row_of_matches(16, {head_4, ".OY.", foot_4}, 3, {1, 1}, 5, 15);
    case 24: return row_of_matches(24, {head_5, ".KYK.", foot_5}, 4, {1, 1}, 6, 22);
    case 32: return app_icon(1);
    }
    if (size < 48)
        throw std::invalid_argument("no launcher icon at that size");
    return painted_matches(size);
}

}  // namespace draw_pictures
