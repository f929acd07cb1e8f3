#pragma once

// Pieces that several drawings share.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QSize>

#include <span>

namespace draw_pictures {

// An image of `size` times `scale` pixels, filled with `ground`, on which a
// QPainter draws in the coordinates of scale 1: a drawing made of paths and
// gradients is drawn again at the larger size, not enlarged.
QImage canvas(QSize size, int scale, const QColor &ground);

// One row of characters a row of pixels: '.' leaves a pixel as it is, and
// each other letter names a colour of palette16 (see parts.cpp).
// Draws with its top-left corner at `at`.
void paint_pixel_art(QImage &image, std::span<const char *const> rows, QPoint at = {});

// The head of a match standing up, its top at the origin: it bulges at the
// top and narrows to a little more than the stick where it grips it, `height`
// below.
QPainterPath match_head(double width, double height, double stick_width);

}  // namespace draw_pictures
