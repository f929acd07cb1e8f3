#include "drawings.h"
#include "parts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace draw_pictures {

namespace {

const QColor outline(24, 0, 24);
const QColor magenta(236, 0, 236);
const QColor magenta_light(255, 120, 255);
const QColor magenta_dark(160, 0, 160);
const QColor magenta_deep(110, 0, 110);

// The glass of the screen: every difference between the three moods lies in it.
const QRectF glass(106, 52, 188, 146);

QPen ink(double width)
{
    return QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A soft white stroke along the lit upper edge of a shape.
void highlight(QPainter &p, const QPainterPath &path, double width = 4)
{
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 110), width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void draw_keyboard(QPainter &p)
{
    // A cable from the keyboard's back to the base unit.
    QPainterPath cable;
    cable.moveTo(120, 352);
    cable.cubicTo(110, 340, 70, 350, 58, 334);
    p.setPen(QPen(outline, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(QColor(90, 90, 100), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    const QPolygonF top{{QPointF(78, 350), QPointF(322, 350), QPointF(352, 384),
                         QPointF(48, 384)}};
    const QPolygonF front{{QPointF(48, 384), QPointF(352, 384), QPointF(352, 393),
                           QPointF(48, 393)}};
    p.setPen(ink(3));
    p.setBrush(QColor(150, 146, 160));
    p.drawPolygon(front);
    p.setBrush(vertical(QRectF(48, 350, 304, 34), QColor(236, 232, 240), QColor(206, 202, 214)));
    p.drawPolygon(top);

    // Keys in four rows on the sloping top, the space bar in the front row.
    // The top widens towards the front, so each edge of a row is placed by
    // its height: 30 pixels of inset at the back edge, none at the front.
    auto left_edge = [](double y) { return 48 + 30 - (y - 350) * 30 / 34 + 8; };
    auto right_edge = [](double y) { return 352 - (30 - (y - 350) * 30 / 34 + 8); };
    const int keys = 14;
    const double gap = 1.6;
    p.setPen(QPen(QColor(90, 86, 104), 1.2));
    p.setBrush(QColor(250, 248, 252));
    for (int row = 0; row < 4; ++row) {
        const double y0 = 354 + row * 7.0;
        const double y1 = y0 + 5.5;
        for (int k = 0; k < keys; ++k) {
            const bool space_bar = row == 3 && k == 4;
            if (row == 3 && k > 4 && k < 10)
                continue;  // covered by the space bar
            const double a = double(k) / keys;
            const double b = double(k + (space_bar ? 6 : 1)) / keys;
            auto at = [&](double y, double f) {
                return left_edge(y) + (right_edge(y) - left_edge(y)) * f;
            };
            p.drawPolygon(QPolygonF{{QPointF(at(y0, a) + gap, y0), QPointF(at(y0, b) - gap, y0),
                                     QPointF(at(y1, b) - gap, y1), QPointF(at(y1, a) + gap, y1)}});
        }
    }
}

void draw_base_unit(QPainter &p)
{
    // Feet under the case.
    p.setPen(ink(2.5));
    p.setBrush(QColor(60, 0, 60));
    p.drawRoundedRect(QRectF(62, 326, 34, 12), 3, 3);
    p.drawRoundedRect(QRectF(304, 326, 34, 12), 3, 3);

    const QPolygonF top{{QPointF(60, 246), QPointF(340, 246), QPointF(362, 268),
                         QPointF(38, 268)}};
    const QRectF front(38, 268, 324, 62);
    p.setPen(ink(3.5));
    p.setBrush(vertical(front, magenta, magenta_dark));
    p.drawRect(front);
    p.setBrush(vertical(QRectF(38, 246, 324, 22), magenta_light, QColor(250, 70, 250)));
    p.drawPolygon(top);
    QPainterPath edge;
    edge.moveTo(44, 272);
    edge.lineTo(356, 272);
    highlight(p, edge, 3);

    // Two drive bays on the right, each with its slot and eject button.
    for (int i = 0; i < 2; ++i) {
        const QRectF bay(196, 278 + i * 24, 146, 19);
        p.setPen(ink(2.5));
        p.setBrush(vertical(bay, QColor(255, 150, 255), magenta));
        p.drawRoundedRect(bay, 3, 3);
        p.setBrush(QColor(20, 0, 20));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(bay.left() + 12, bay.top() + 7, 96, 5), 2, 2);
        p.setPen(ink(1.8));
        p.setBrush(magenta_dark);
        p.drawRoundedRect(QRectF(bay.right() - 26, bay.top() + 5, 16, 9), 2, 2);
    }

    // Power button, lamps and air vents on the left.
    p.setPen(ink(2.5));
    QRadialGradient knob(QPointF(70, 294), 14);
    knob.setColorAt(0, QColor(255, 170, 255));
    knob.setColorAt(1, magenta_dark);
    p.setBrush(knob);
    p.drawEllipse(QPointF(74, 298), 12, 12);
    p.setBrush(QColor(60, 230, 60));
    p.drawEllipse(QPointF(104, 292), 4, 4);
    p.setBrush(QColor(255, 190, 0));
    p.drawEllipse(QPointF(104, 306), 4, 4);
    p.setPen(QPen(magenta_deep, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(124 + i * 12, 286), QPointF(124 + i * 12, 318));
}

void draw_monitor(QPainter &p)
{
    // The neck between the case and the monitor.
    const QPolygonF neck{{QPointF(176, 252), QPointF(224, 252), QPointF(214, 222),
                          QPointF(186, 222)}};
    p.setPen(ink(3));
    p.setBrush(vertical(QRectF(176, 222, 48, 30), magenta_dark, magenta_deep));
    p.drawPolygon(neck);

    // The tube's housing peeps out above the front.
    p.setBrush(vertical(QRectF(96, 6, 208, 40), QColor(220, 40, 220), magenta_dark));
    p.drawRoundedRect(QRectF(96, 6, 208, 40), 14, 14);

    const QRectF bezel(68, 20, 264, 210);
    QLinearGradient body(bezel.topLeft(), bezel.bottomRight());
    body.setColorAt(0, QColor(255, 90, 255));
    body.setColorAt(0.5, magenta);
    body.setColorAt(1, QColor(180, 0, 180));
    p.setPen(ink(4));
    p.setBrush(body);
    p.drawRoundedRect(bezel, 24, 24);
    QPainterPath lit;
    lit.moveTo(80, 200);
    lit.lineTo(80, 46);
    lit.quadTo(80, 30, 96, 30);
    lit.lineTo(300, 30);
    highlight(p, lit, 5);

    // A bevelled recess around the glass.
    p.setPen(ink(3));
    QLinearGradient recess(0, 44, 0, 208);
    recess.setColorAt(0, magenta_deep);
    recess.setColorAt(1, QColor(255, 110, 255));
    p.setBrush(recess);
    p.drawRoundedRect(QRectF(96, 43, 208, 164), 16, 16);

    // Name plate and buttons on the strip under the screen.
    p.setPen(ink(2));
    p.setBrush(magenta_dark);
    p.drawRoundedRect(QRectF(112, 212, 56, 9), 4, 4);
    p.setBrush(QColor(200, 200, 210));
    p.drawEllipse(QPointF(262, 216), 5, 5);
    p.drawEllipse(QPointF(280, 216), 5, 5);
    p.setBrush(QColor(60, 230, 60));
    p.drawEllipse(QPointF(300, 216), 3.5, 3.5);
}

void draw_glass(QPainter &p)
{
    QRadialGradient tube(glass.center(), glass.width() * 0.7);
    tube.setColorAt(0, QColor(30, 40, 110));
    tube.setColorAt(1, QColor(6, 8, 40));
    p.setPen(ink(3));
    p.setBrush(tube);
    p.drawRoundedRect(glass, 12, 12);
}

// Eyes as slanted almonds; tilt > 0 lowers the inner corners (a sly look),
// tilt < 0 lowers the outer corners (a sad one).
void draw_eye(QPainter &p, QPointF centre, double tilt, bool left, const QColor &iris,
              double look_down)
{
    p.save();
    p.translate(centre);
    p.rotate(left ? tilt : -tilt);
    QPainterPath almond;
    almond.moveTo(-17, 0);
    almond.quadTo(0, -15, 17, 0);
    almond.quadTo(0, 13, -17, 0);
    p.setPen(ink(2.5));
    p.setBrush(Qt::white);
    p.drawPath(almond);
    p.setClipPath(almond);
    QRadialGradient g(QPointF(-2, look_down - 2), 10);
    g.setColorAt(0, iris.lighter(135));
    g.setColorAt(1, iris);
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, look_down), 8.5, 8.5);
    p.setBrush(outline);
    p.drawEllipse(QPointF(0, look_down), 3.5, 3.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-3, look_down - 3.5), 2.2, 2.2);
    p.restore();
}

void draw_brow(QPainter &p, QPointF from, QPointF to)
{
    p.setPen(QPen(outline, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

// The grin's upper lip runs from corner to corner along 134 + 32 t (1 - t).
constexpr double lip_left = 142;
constexpr double lip_right = 258;
double upper_lip(double x)
{
    const double t = (x - lip_left) / (lip_right - lip_left);
    return 134 + 32 * t * (1 - t);
}

void draw_grin(QPainter &p)
{
    QPainterPath mouth;
    mouth.moveTo(lip_left, 134);
    mouth.quadTo(200, 150, lip_right, 134);
    mouth.cubicTo(250, 162, 228, 180, 200, 180);
    mouth.cubicTo(172, 180, 150, 162, lip_left, 134);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 0, 10));
    p.drawPath(mouth);

    // A row of upper teeth following the lip, clipped to the mouth.
    p.save();
    p.setClipPath(mouth);
    QPainterPath teeth;
    teeth.moveTo(lip_left - 4, 132);
    teeth.quadTo(200, 148, lip_right + 4, 132);
    teeth.lineTo(lip_right + 4, 144);
    teeth.quadTo(200, 162, lip_left - 4, 144);
    teeth.closeSubpath();
    p.setBrush(QColor(252, 252, 240));
    p.setPen(QPen(QColor(120, 110, 110), 1.2));
    p.drawPath(teeth);
    for (double x = 155; x < lip_right - 6; x += 13)
        p.drawLine(QPointF(x, upper_lip(x)), QPointF(x, upper_lip(x) + 11));
    p.restore();

    p.setPen(ink(3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    // Dimples where the grin pulls up the cheeks.
    for (double side : {-1.0, 1.0}) {
        const double x = side < 0 ? lip_left : lip_right;
        QPainterPath dimple;
        dimple.moveTo(x + side * 2, 125);
        dimple.quadTo(x + side * 8, 133, x + side * 3, 142);
        p.setPen(ink(2.5));
        p.drawPath(dimple);
    }
}

void draw_tongue(QPainter &p)
{
    QPainterPath tongue;
    tongue.moveTo(178, 164);
    tongue.cubicTo(176, 184, 182, 196, 200, 196);
    tongue.cubicTo(218, 196, 224, 184, 222, 164);
    tongue.quadTo(200, 170, 178, 164);
    QLinearGradient g(178, 0, 222, 0);
    g.setColorAt(0, QColor(180, 0, 16));
    g.setColorAt(0.45, QColor(236, 30, 40));
    g.setColorAt(1, QColor(176, 0, 14));
    p.setPen(ink(3));
    p.setBrush(g);
    p.drawPath(tongue);
    p.setPen(QPen(QColor(120, 0, 10), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(200, 172), QPointF(200, 188));
}

void draw_frown(QPainter &p)
{
    QPainterPath mouth;
    mouth.moveTo(160, 176);
    mouth.quadTo(200, 136, 240, 176);
    mouth.quadTo(200, 156, 160, 176);
    p.setPen(ink(3));
    p.setBrush(QColor(90, 0, 20));
    p.drawPath(mouth);
}

void draw_tear(QPainter &p, QPointF at)
{
    QPainterPath drop;
    drop.moveTo(at);
    drop.cubicTo(at + QPointF(6, 10), at + QPointF(7, 16), at + QPointF(0, 17));
    drop.cubicTo(at + QPointF(-7, 16), at + QPointF(-6, 10), at);
    p.setPen(QPen(QColor(30, 60, 160), 1.8));
    p.setBrush(QColor(150, 210, 255));
    p.drawPath(drop);
}

void draw_face(QPainter &p, Mood mood)
{
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(glass.adjusted(1.5, 1.5, -1.5, -1.5), 11, 11);
    p.setClipPath(clip);

    const bool sad = mood == Mood::sad;
    const QRectF face(124, 56, 152, 138);
    QRadialGradient skin(face.center() - QPointF(20, 24), face.width() * 0.75);
    skin.setColorAt(0, sad ? QColor(214, 232, 255) : Qt::white);
    skin.setColorAt(1, sad ? QColor(150, 186, 236) : QColor(214, 214, 226));
    p.setPen(ink(3));
    p.setBrush(skin);
    p.drawEllipse(face);

    if (sad) {
        draw_brow(p, QPointF(156, 90), QPointF(184, 82));
        draw_brow(p, QPointF(216, 82), QPointF(244, 90));
        draw_eye(p, QPointF(172, 110), -16, true, QColor(40, 80, 200), 3);
        draw_eye(p, QPointF(228, 110), -16, false, QColor(40, 80, 200), 3);
        // Heavy upper lids over both eyes.
        p.setPen(ink(3));
        p.setBrush(QColor(130, 164, 220));
        for (double side : {-1.0, 1.0}) {
            p.save();
            p.translate(200 + side * 28, 110);
            p.rotate(side * 16);
            QPainterPath lid;
            lid.moveTo(-18, -2);
            lid.quadTo(0, -17, 18, -2);
            lid.quadTo(0, -7, -18, -2);
            p.drawPath(lid);
            p.restore();
        }
        draw_tear(p, QPointF(156, 122));
        draw_frown(p);
    } else {
        draw_brow(p, QPointF(150, 84), QPointF(186, 97));
        draw_brow(p, QPointF(214, 97), QPointF(250, 84));
        draw_eye(p, QPointF(170, 110), 22, true, QColor(220, 0, 0), 0);
        draw_eye(p, QPointF(230, 110), 22, false, QColor(220, 0, 0), 0);
        draw_grin(p);
        if (mood == Mood::tongue)
            draw_tongue(p);
    }

    // A faint reflection across the glass, over the face.
    QPainterPath shine;
    shine.moveTo(glass.left() + 6, glass.top() + 40);
    shine.quadTo(glass.left() + 8, glass.top() + 8, glass.left() + 46, glass.top() + 6);
    shine.lineTo(glass.left() + 30, glass.top() + 16);
    shine.quadTo(glass.left() + 16, glass.top() + 20, glass.left() + 6, glass.top() + 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(shine);
    p.restore();
}

}  // namespace

QImage computer(Mood mood, int scale)
{
    QImage image = canvas({400, 400}, scale, QColor(192, 192, 192));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    draw_keyboard(p);
    draw_base_unit(p);
    draw_monitor(p);
    draw_glass(p);
    draw_face(p, mood);
    return image;
}

}  // namespace draw_pictures
