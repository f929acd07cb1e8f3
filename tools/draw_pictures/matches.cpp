#include "drawings.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace draw_pictures {

namespace {

const QColor button_face(192, 192, 192);

// Stick colours from the shaded left side to the lit right side.
const QColor ochre_dark(150, 104, 28);
const QColor ochre(198, 152, 58);
const QColor straw(228, 194, 104);
const QColor straw_light(246, 224, 146);
const QColor yellow_light(252, 240, 178);

}  // namespace

QImage match_image()
{
    // The board masks pure white, so the match itself never uses it.
    QImage image(9, 78, QImage::Format_RGB32);
    image.fill(Qt::white);

    const QColor stick[5] = {ochre_dark, ochre, straw, straw_light, yellow_light};
    for (int y = 11; y <= 76; ++y) {
        for (int i = 0; i < 5; ++i) {
            // The far end is cut, a shade darker than the length of the stick.
            const QColor c = y == 76 ? stick[i].darker(115) : stick[i];
            image.setPixelColor(2 + i, y, c);
        }
    }

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
            image.setPixelColor(x, 1 + r, c);
        }
    }
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

    // The head bulges at the top and narrows where it grips the stick.
    QPainterPath head;
    head.moveTo(0, 0);
    head.cubicTo(head_w * 0.62, 0, head_w * 0.55, head_h * 0.62, stick_w * 0.55, head_h);
    head.lineTo(-stick_w * 0.55, head_h);
    head.cubicTo(-head_w * 0.55, head_h * 0.62, -head_w * 0.62, 0, 0, 0);
    QLinearGradient red(-head_w / 2, 0, head_w / 2, 0);
    red.setColorAt(0.0, QColor(96, 0, 0));
    red.setColorAt(0.6, QColor(186, 22, 14));
    red.setColorAt(1.0, QColor(150, 12, 8));
    p.setPen(QPen(QColor(70, 0, 0), 1.0));
    p.setBrush(red);
    p.drawPath(head);

    QRadialGradient shine(head_w * 0.12, head_h * 0.3, head_w * 0.3);
    shine.setColorAt(0.0, QColor(255, 150, 120, 170));
    shine.setColorAt(1.0, QColor(255, 150, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(head_w * 0.12, head_h * 0.3), head_w * 0.3, head_w * 0.3);
}

}  // namespace

QImage crossed_matches()
{
    QImage image(73, 170, QImage::Format_RGB32);
    image.fill(button_face);
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
