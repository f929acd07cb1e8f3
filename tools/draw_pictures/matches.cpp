#include "drawings.h"
#include "parts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QVector3D>

#include <algorithm>
#include <array>
#include <cmath>

namespace draw_pictures {

namespace {

const QColor button_face(192, 192, 192);

// Stick colours from the shaded left side to the lit right side.
const QColor ochre_dark(150, 104, 28);
const QColor ochre(198, 152, 58);
const QColor straw(228, 194, 104);
const QColor straw_light(246, 224, 146);
const QColor yellow_light(252, 240, 178);
const std::array stick_shades = {ochre_dark, ochre, straw, straw_light, yellow_light};

// The match image's layout in the pixels of scale 1; every length is
// multiplied by the scale.
constexpr int match_width = 9;
constexpr int match_height = 78;
constexpr int head_top = 1;
constexpr int stick_top = 11;
constexpr int stick_left = 2;
constexpr int stick_width = 5;
constexpr int stick_end = 77;  // the first white row below the stick

QColor mix(const QColor &a, const QColor &b, double f)
{
    auto channel = [f](int from, int to) { return int(from + (to - from) * f + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// The stick's colour at t, from 0 on its left edge to 1 on its right edge.
QColor stick_shade(double t)
{
    const double at = t * (stick_shades.size() - 1);
    const int i = std::min(int(at), int(stick_shades.size()) - 2);
    return mix(stick_shades[i], stick_shades[i + 1], at - i);
}

void draw_stick(QImage &image, int scale)
{
    const int width = stick_width * scale;
    const int end = stick_end * scale;
    for (int y = stick_top * scale; y < end; ++y) {
        for (int i = 0; i < width; ++i) {
            // The far end is cut, a shade darker than the length of the stick.
            const QColor c = stick_shade(double(i) / (width - 1));
            image.setPixelColor(stick_left * scale + i, y, y >= end - scale ? c.darker(115) : c);
        }
    }
}

// Seven pixels wide at most, placed by hand.
void draw_small_head(QImage &image)
{
    // Head columns 1 to 7, dark on the left where the light does not reach.
    const QColor head[7] = {{92, 6, 6},   {112, 10, 8}, {130, 16, 12}, {146, 22, 16},
                            {160, 30, 22}, {168, 38, 28}, {150, 30, 22}};
    // First and last column of the head on each of rows 1 to 10.
    const int span[10][2] = {{3, 5}, {2, 6}, {1, 7}, {1, 7}, {1, 7},
                             {1, 7}, {1, 7}, {1, 7}, {2, 6}, {2, 6}};
    for (int r = 0; r < 10; ++r) {
        for (int x = span[r][0]; x <= span[r][1]; ++x) {
            QColor c = head[x - 1];
            if (r == 2 && x == 5)
                c = QColor(196, 70, 56);  // where the light catches the round top
            image.setPixelColor(x, head_top + r, c);
        }
    }
}

// With more pixels the head is shaded as a solid: a dome on top, straight
// sides, and a short taper to the stick, lit from the upper right like the
// stick, with a glint. Its edges stay hard: the board shows every pixel that
// is not pure white, so the head cannot blend into the white around it.
void draw_shaded_head(QImage &image, int scale)
{
    const QColor shadow(84, 4, 4);
    const QColor lit(178, 40, 30);
    const QColor glint(212, 84, 68);
    const QVector3D light = QVector3D(0.55f, -0.5f, 0.67f).normalized();
    const QVector3D halfway = (light + QVector3D(0, 0, 1)).normalized();

    const double axis = match_width * scale / 2.0;
    const double radius = 3.5 * scale;  // 7 pixels across at scale 1
    const double neck = stick_width * scale / 2.0;
    const double dome_centre = head_top * scale + radius;
    const double bottom = stick_top * scale;
    const double taper_top = bottom - 2.0 * scale;
    const double taper_slope = (radius - neck) / (bottom - taper_top);

    for (int y = head_top * scale; y < bottom; ++y) {
        const double py = y + 0.5;
        const double dy = py - dome_centre;  // negative in the dome
        double half_width = radius;
        if (dy < 0)
            half_width = std::sqrt(radius * radius - dy * dy);
        else if (py > taper_top)
            half_width = radius - (py - taper_top) * taper_slope;
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x + 0.5 - axis;
            if (std::abs(dx) > half_width)
                continue;
            // The surface's normal: a sphere in the dome, a cylinder below it,
            // turned downwards where the head narrows.
            const QVector3D normal =
                dy < 0 ? QVector3D(dx, dy, std::sqrt(std::max(0.0, radius * radius - dx * dx - dy * dy)))
                       : QVector3D(dx / radius, py > taper_top ? taper_slope : 0.0,
                                   std::sqrt(1 - dx * dx / (radius * radius)));
            const QVector3D n = normal.normalized();
            const double diffuse = std::max(0.0f, QVector3D::dotProduct(n, light));
            const double shine = std::pow(std::max(0.0f, QVector3D::dotProduct(n, halfway)), 30);
            image.setPixelColor(x, y, mix(mix(shadow, lit, diffuse), glint, shine));
        }
    }
}

}  // namespace

QImage match_image(int scale)
{
    // The board masks pure white, so the match itself never uses it.
    QImage image(QSize(match_width, match_height) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    draw_stick(image, scale);
    if (scale == 1)
        draw_small_head(image);
    else
        draw_shaded_head(image, scale);
    return image;
}

namespace {

// A long match in its own coordinates: the head's top at the origin, the stick
// running down the positive y axis.
void draw_long_match(QPainter &p, double length)
{
    const double stick_w = 7.0;
    const double head_w = 12.0;
    const double head_h = 21.0;

    QLinearGradient across(-stick_w / 2, 0, stick_w / 2, 0);
    across.setColorAt(0.0, ochre_dark);
    across.setColorAt(0.35, ochre);
    across.setColorAt(0.7, straw_light);
    across.setColorAt(1.0, yellow_light);
    p.setPen(QPen(QColor(112, 78, 20), 0.8));
    p.setBrush(across);
    p.drawRect(QRectF(-stick_w / 2, head_h * 0.6, stick_w, length - head_h * 0.6));

    QLinearGradient red(-head_w / 2, 0, head_w / 2, 0);
    red.setColorAt(0.0, QColor(96, 0, 0));
    red.setColorAt(0.6, QColor(186, 22, 14));
    red.setColorAt(1.0, QColor(150, 12, 8));
    p.setPen(QPen(QColor(70, 0, 0), 1.0));
    p.setBrush(red);
    p.drawPath(match_head(head_w, head_h, stick_w));

    QRadialGradient shine(head_w * 0.12, head_h * 0.3, head_w * 0.3);
    shine.setColorAt(0.0, QColor(255, 150, 120, 170));
    shine.setColorAt(1.0, QColor(255, 150, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(head_w * 0.12, head_h * 0.3), head_w * 0.3, head_w * 0.3);
}

}  // namespace

QImage crossed_matches(int scale)
{
    QImage image = canvas({73, 170}, scale, button_face);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.save();
    p.translate(28.5, 5);
    draw_long_match(p, 160);
    p.restore();

    // The leaning match lies on the upright one: a soft shadow first.
    const double lean = 20.0;
    p.save();
    p.translate(58.5, 10);
    p.rotate(lean);
    p.save();
    p.translate(2.0, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(QRectF(-3.5, 16, 7, 140), 3, 3);
    p.restore();
    draw_long_match(p, 152);
    p.restore();
    return image;
}

}  // namespace draw_pictures
