// Each picture recognised by what a player would say it shows: four matches
// with red heads, a hand pointing up, a computer grinning with red eyes. The
// same tests look at the pictures drawn for both scales.

#include "picture_files.h"

#include <QHash>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

using namespace picture_files;

namespace {

class PictureFeatures : public AtEachScale {};

INSTANTIATE_TEST_SUITE_P(Scales, PictureFeatures, ::testing::Values(1, 2), scale_name);

double mean(const std::vector<double> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

// Each column of a blob, left to right: the y of its top pixel and the mean y
// of its pixels.
struct Column {
    double top = 1e9, middle = 0;
    int count = 0;
};
std::vector<Column> columns_of(const Blob &blob)
{
    std::map<int, Column> by_x;
    for (QPoint p : blob.pixels) {
        Column &c = by_x[p.x()];
        c.top = std::min(c.top, double(p.y()));
        c.middle += p.y();
        ++c.count;
    }
    std::vector<Column> columns;
    for (auto &[x, c] : by_x)
        columns.push_back({c.top, c.middle / c.count, c.count});
    return columns;
}

// The mean of `field` over the columns from `from` to `to`, in fractions of
// the blob's width.
double mean_over(const std::vector<Column> &columns, double Column::*field, double from, double to)
{
    const int n = int(columns.size());
    std::vector<double> values;
    for (int i = int(from * n); i < std::max(int(from * n) + 1, int(to * n)); ++i)
        values.push_back(columns[i].*field);
    return mean(values);
}

// How much lower the top of an eye is at its inner end than at its outer end:
// positive for a sly look, negative for a sad one.
double inner_corner_drop(const Blob &eye, bool left_eye)
{
    const auto columns = columns_of(eye);
    const double drop = mean_over(columns, &Column::top, 2 / 3.0, 1) - mean_over(columns, &Column::top, 0, 1 / 3.0);
    return left_eye ? drop : -drop;
}

// ---- the icon ---------------------------------------------------------------

// Upright matches on a transparent ground, each a red head above a stick.
void expect_upright_matches_with_red_heads(const QImage &icon, int matches)
{
    const int w = icon.width(), h = icon.height();
    int transparent = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            transparent += qAlpha(icon.pixel(x, y)) == 0;
    EXPECT_GT(transparent, w * h / 4);

    // A match's columns are opaque from its head to its foot.
    std::vector<std::pair<int, int>> sticks;
    for (int x = 0; x < w; ++x) {
        int solid = 0;
        for (int y = 0; y < h; ++y)
            solid += opaque(icon.pixelColor(x, y));
        if (solid < h * 6 / 10)
            continue;
        if (!sticks.empty() && sticks.back().second == x - 1)
            sticks.back().second = x;
        else
            sticks.emplace_back(x, x);
    }
    ASSERT_EQ(int(sticks.size()), matches);

    for (auto [left, right] : sticks) {
        SCOPED_TRACE(left);
        // Widened by a quarter of the pitch: the head is wider than the stick.
        const QRect column(left - w / 32, 0, right - left + 1 + w / 16, h);
        auto coloured = [&](const ColourTest &test) {
            return blobs(icon, column, [&](QColor c) { return opaque(c) && test(c); });
        };
        const auto heads = coloured(reddish);
        const auto wood = coloured(yellowish);
        ASSERT_FALSE(heads.empty());
        ASSERT_FALSE(wood.empty());
        const Blob &head = heads.front(), &stick = wood.front();
        EXPECT_GE(head.box.width(), right - left + 1);  // red across the head's width
        EXPECT_LT(head.centre.y(), h * 0.35);
        EXPECT_LT(head.box.bottom(), stick.centre.y());
        EXPECT_GT(stick.box.bottom(), h * 0.8);
        // Upright: the stick's middle is in the same column at its top and foot.
        std::vector<double> upper, lower;
        for (QPoint p : stick.pixels)
            (p.y() < stick.centre.y() ? upper : lower).push_back(p.x());
        EXPECT_NEAR(mean(upper), mean(lower), std::max(1.0, w / 64.0));
    }
}

}  // namespace

TEST_P(PictureFeatures, AppIconIsFourUprightMatchesWithRedHeads)
{
    expect_upright_matches_with_red_heads(picture("app_icon.ico", scale()), 4);
}

TEST(PictureFeatures, LauncherIconsAreMatchesWithRedHeadsAtEverySize)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(assets().filePath(QStringLiteral("hicolor/%1x%1/apps/brastola.png").arg(size)));
        expect_upright_matches_with_red_heads(icon, size == 16 ? 3 : 4);  // three fit at 16
    }
}

// ---- the cursor -------------------------------------------------------------

TEST_P(PictureFeatures, HandCursorPointsUpWithItsIndexFingerAtTheHotspotAndABlueCuff)
{
    const QImage hand = picture("hand_cursor.cur", scale());
    const QByteArray file = bytes_of(assets(), at_scale("hand_cursor.cur", scale()));
    const QPoint hotspot(u16(file, 10), u16(file, 12));
    const int w = hand.width(), h = hand.height();
    auto alpha = [&](int x, int y) { return qAlpha(hand.pixel(x, y)); };

    // The fingertip is the highest part of the hand, and the hotspot is on it.
    EXPECT_EQ(alpha(hotspot.x(), hotspot.y()), 255);
    for (int y = 0; y < hotspot.y(); ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(alpha(x, y), 0) << x << "," << y;
    for (int x = 0; x < w; ++x) {
        if (alpha(x, hotspot.y())) {
            EXPECT_LE(std::abs(x - hotspot.x()), w / 16) << x;
        }
    }
    // The index finger stands alone for a fifth of the height, narrow and upright.
    for (int y = hotspot.y(); y < hotspot.y() + h / 5; ++y) {
        const auto runs = runs_in_row(hand, y, opaque);
        ASSERT_EQ(runs.size(), 1u) << y;
        EXPECT_LE(runs[0].first, hotspot.x()) << y;
        EXPECT_GE(runs[0].second, hotspot.x()) << y;
        EXPECT_LE(runs[0].second - runs[0].first + 1, w / 4) << y;
    }

    // A white hand, its cuff blue at the bottom.
    QHash<QRgb, int> colours;
    double white_y = 0, blue_y = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = hand.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            ++colours[c];
            white_y += c == qRgb(255, 255, 255) ? y : 0;
            blue_y += c == qRgb(0, 0, 255) ? y : 0;
            if (c == qRgb(0, 0, 255)) {
                EXPECT_GT(y, h * 2 / 3) << x << "," << y;
            }
        }
    }
    const int whites = colours.value(qRgb(255, 255, 255)), blues = colours.value(qRgb(0, 0, 255));
    for (int count : colours)
        EXPECT_LE(count, whites);
    EXPECT_GT(blues, w * h / 50);
    EXPECT_LT(white_y / whites, blue_y / std::max(blues, 1));
}

// ---- the match --------------------------------------------------------------

TEST_P(PictureFeatures, MatchIsARedHeadOnAShadedStickInsideWhite)
{
    const int s = scale();
    const QImage m = picture("match_image.bmp", s);
    ASSERT_EQ(m.size(), QSize(9, 78) * s);
    auto white = [&](int x, int y) { return is(m.pixelColor(x, y), 255, 255, 255); };
    auto painted = [](QColor c) { return c != Qt::white; };
    const int head_top = s, stick_top = 11 * s, stick_end = 77 * s;

    for (int i = 0; i < s; ++i) {  // the outermost rows and columns, one per scale
        for (int x = 0; x < m.width(); ++x)
            EXPECT_TRUE(white(x, i) && white(x, m.height() - 1 - i)) << x << "," << i;
        for (int y = 0; y < m.height(); ++y)
            EXPECT_TRUE(white(i, y) && white(m.width() - 1 - i, y)) << i << "," << y;
    }

    // The head: dark red, up to 7 pixels (at scale 1) wide, darker on the left.
    int widest = 0, top_width = 0;
    std::vector<double> left_half, right_half;
    for (int y = head_top; y < stick_top; ++y) {
        const auto runs = runs_in_row(m, y, painted);
        ASSERT_EQ(runs.size(), 1u) << y;
        const int width = runs[0].second - runs[0].first + 1;
        widest = std::max(widest, width);
        top_width = y == head_top ? width : top_width;
        for (int x = runs[0].first; x <= runs[0].second; ++x) {
            const QColor c = m.pixelColor(x, y);
            EXPECT_TRUE(reddish(c) && c.lightness() < 150) << x << "," << y;
            (x < m.width() / 2 ? left_half : right_half).push_back(c.lightness());
        }
    }
    EXPECT_EQ(widest, 7 * s);
    EXPECT_LT(top_width, widest);  // a rounded top
    EXPECT_LT(mean(left_half), mean(right_half));

    // The stick: 5 pixels (at scale 1) wide, from dark ochre to light yellow.
    for (int y = stick_top; y < stick_end; ++y) {
        const auto runs = runs_in_row(m, y, painted);
        ASSERT_EQ(runs.size(), 1u) << y;
        EXPECT_EQ(runs[0], std::make_pair(2 * s, 7 * s - 1)) << y;
        for (int x = runs[0].first; x <= runs[0].second; ++x) {
            EXPECT_TRUE(yellowish(m.pixelColor(x, y))) << x << "," << y;
            if (x > runs[0].first) {
                EXPECT_GT(m.pixelColor(x, y).lightness(), m.pixelColor(x - 1, y).lightness()) << x << "," << y;
            }
        }
        EXPECT_LT(m.pixelColor(runs[0].first, y).lightness(), 110) << y;   // dark ochre
        EXPECT_GT(m.pixelColor(runs[0].second, y).lightness(), 180) << y;  // light yellow
    }
}

// ---- the crossed matches ----------------------------------------------------

TEST_P(PictureFeatures, CrossedMatchesAreTwoRedHeadedMatchesOneLeaningAcrossTheOther)
{
    const QImage crossed = picture("crossed_matches.bmp", scale());
    const int w = crossed.width(), h = crossed.height();
    for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_TRUE(is(crossed.pixelColor(p), 192, 192, 192)) << p.x() << "," << p.y();

    const auto heads = blobs(crossed, QRect(0, 0, w, h / 4), reddish, 30 * scale() * scale());
    ASSERT_EQ(heads.size(), 2u);

    // Between the heads and the crossing the two sticks run apart: the left
    // one stays in its column, the right one moves left as it goes down.
    std::vector<double> upright, leaning;
    const int from = h / 5, to = h * 7 / 20;
    for (int y = from; y < to; ++y) {
        const auto runs = runs_in_row(crossed, y, yellowish);
        ASSERT_EQ(runs.size(), 2u) << y;
        upright.push_back((runs[0].first + runs[0].second) / 2.0);
        leaning.push_back((runs[1].first + runs[1].second) / 2.0);
    }
    const auto [up_min, up_max] = std::minmax_element(upright.begin(), upright.end());
    EXPECT_LE(*up_max - *up_min, 1.0 * scale());
    const double lean = (leaning.front() - leaning.back()) / (to - 1 - from);
    EXPECT_GT(lean, 0.2);  // pixels to the left for each pixel down
    EXPECT_LT(lean, 0.7);

    // Lower down the leaning stick has crossed to the left of the upright one.
    bool crossed_over = false;
    for (int y = h * 3 / 4; y < h * 9 / 10; ++y) {
        const auto runs = runs_in_row(crossed, y, yellowish);
        crossed_over |= !runs.empty() && runs[0].second < *up_min - 3 * scale();
    }
    EXPECT_TRUE(crossed_over);
}

// ---- the computers ----------------------------------------------------------

namespace {

int scale_of(const QImage &computer) { return computer.width() / 400; }

struct Face {
    QRect box;
    QColor colour;  // the mean over the face's skin
};

// The face is the largest pale shape in the upper half of the picture.
Face face_of(const QImage &computer)
{
    auto pale = [](QColor c) {
        return std::min({c.red(), c.green(), c.blue()}) > 140 &&
               std::max({c.red(), c.green(), c.blue()}) > 200;
    };
    const auto found = blobs(computer, QRect(0, 0, computer.width(), computer.height() * 11 / 20), pale);
    if (found.empty())
        return {};
    double r = 0, g = 0, b = 0;
    for (QPoint p : found.front().pixels) {
        const QColor c = computer.pixelColor(p);
        r += c.red(), g += c.green(), b += c.blue();
    }
    const double n = found.front().area();
    return {found.front().box, QColor(int(r / n), int(g / n), int(b / n))};
}

QRect upper_half(const QRect &r) { return QRect(r.left(), r.top(), r.width(), r.height() / 2); }
QRect lower_half(const QRect &r) { return r.adjusted(0, r.height() / 2, 0, 0); }

bool bright_red(QColor c) { return reddish(c) && c.red() > 160; }
bool dark_red(QColor c) { return reddish(c) && c.red() <= 160; }
bool blue_iris(QColor c) { return c.blue() > 150 && c.red() < 100 && c.green() < 140; }

// The two eyes, left one first: each the inside of its outline, white and
// iris, which shows the eye's shape better than the round iris alone.
std::vector<Blob> eyes_of(const QImage &computer, const Face &face, const ColourTest &iris)
{
    const int s = scale_of(computer);
    auto light = [](QColor c) { return std::max({c.red(), c.green(), c.blue()}) >= 120; };
    std::vector<Blob> eyes;
    for (Blob &b : blobs(computer, upper_half(face.box), light)) {
        const auto coloured = std::count_if(b.pixels.begin(), b.pixels.end(),
                                            [&](QPoint p) { return iris(computer.pixelColor(p)); });
        if (b.area() < face.box.width() * face.box.height() / 10 && coloured >= 20 * s * s)
            eyes.push_back(std::move(b));
    }
    std::sort(eyes.begin(), eyes.end(), [](const Blob &a, const Blob &b) { return a.centre.x() < b.centre.x(); });
    return eyes;
}

// The mouth is the largest dark red shape in the lower half of the face.
Blob mouth_of(const QImage &computer, const Face &face)
{
    const auto found = blobs(computer, lower_half(face.box), dark_red);
    return found.empty() ? Blob() : found.front();
}

// How far the middle of the mouth lies below its ends: negative when the ends
// droop below the middle.
double mouth_middle_drop(const Blob &mouth)
{
    const auto columns = columns_of(mouth);
    const double ends = (mean_over(columns, &Column::middle, 0, 0.15) +
                         mean_over(columns, &Column::middle, 0.85, 1)) / 2;
    return mean_over(columns, &Column::middle, 0.4, 0.6) - ends;
}

// Red shapes below the mouth, in the middle of its width.
std::vector<Blob> tongues_of(const QImage &computer, const Face &face, const Blob &mouth)
{
    std::vector<Blob> tongues;
    const int s = scale_of(computer);
    for (Blob &b : blobs(computer, lower_half(face.box), bright_red, 40 * s * s)) {
        const double third = mouth.box.width() / 3.0;
        if (b.box.bottom() > mouth.box.bottom() && b.centre.x() > mouth.box.left() + third &&
            b.centre.x() < mouth.box.right() - third)
            tongues.push_back(std::move(b));
    }
    return tongues;
}

}  // namespace

TEST_P(PictureFeatures, ComputerIsAMagentaMonitorOnAMagentaBaseWithTwoDriveSlots)
{
    for (const char *name : {"computer_grin.bmp", "computer_tongue.bmp", "computer_sad.bmp"}) {
        SCOPED_TRACE(name);
        const QImage c = picture(name, scale());
        const int w = c.width(), h = c.height();
        for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_TRUE(is(c.pixelColor(p), 192, 192, 192)) << p.x() << "," << p.y();

        auto magenta_share = [&](int top, int bottom) {
            int count = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < w; ++x)
                    count += magenta(c.pixelColor(x, y));
            return double(count) / (w * (bottom - top));
        };
        EXPECT_GT(magenta_share(0, h * 11 / 20), 0.15);          // the monitor
        EXPECT_GT(magenta_share(h * 6 / 10, h * 17 / 20), 0.15);  // the base unit

        // The face sits on the monitor's screen, magenta on either side of it.
        const Face face = face_of(c);
        ASSERT_GT(face.box.width(), w / 4);
        const int y = face.box.center().y();
        auto magenta_between = [&](int from, int to) {
            bool any = false;
            for (int x = from; x < to; ++x)
                any |= magenta(c.pixelColor(x, y));
            return any;
        };
        EXPECT_TRUE(magenta_between(0, face.box.left()));
        EXPECT_TRUE(magenta_between(face.box.right(), w));

        // Drive drive_slots: long thin dark shapes, one above the other.
        auto dark = [](QColor k) { return std::max({k.red(), k.green(), k.blue()}) < 60; };
        std::vector<Blob> drive_slots;
        for (Blob &b : blobs(c, QRect(0, h * 6 / 10, w, h / 4), dark)) {  // the base unit
            if (b.box.width() > w * 15 / 100 && b.box.height() < h * 3 / 100)
                drive_slots.push_back(std::move(b));
        }
        ASSERT_EQ(drive_slots.size(), 2u);
        EXPECT_TRUE(drive_slots[0].box.left() < drive_slots[1].box.right() && drive_slots[1].box.left() < drive_slots[0].box.right());
        EXPECT_GT(std::abs(drive_slots[0].centre.y() - drive_slots[1].centre.y()), h / 40.0);
    }
}

TEST_P(PictureFeatures, ComputersShareOneDrawingAndDifferOnTheScreen)
{
    const QImage grin = picture("computer_grin.bmp", scale());
    const QImage tongue = picture("computer_tongue.bmp", scale());
    const QImage sad = picture("computer_sad.bmp", scale());
    const int side = 400 * scale();
    for (const QImage *image : {&grin, &tongue, &sad})
        ASSERT_EQ(image->size(), QSize(side, side));
    const QRect screen(QPoint(100, 40) * scale(), QSize(200, 170) * scale());  // upper middle
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (tongue.pixel(x, y) != grin.pixel(x, y) || sad.pixel(x, y) != grin.pixel(x, y)) {
                EXPECT_TRUE(screen.contains(x, y)) << x << "," << y;
            }
        }
    }
}

TEST_P(PictureFeatures, GrinningFaceIsWhiteWithSlantedRedEyesAndAWideGrin)
{
    for (const char *name : {"computer_grin.bmp", "computer_tongue.bmp"}) {
        SCOPED_TRACE(name);
        const QImage c = picture(name, scale());
        const Face face = face_of(c);
        EXPECT_LT(std::abs(face.colour.blue() - face.colour.red()), 15);  // white, not blue

        const auto eyes = eyes_of(c, face, bright_red);
        ASSERT_EQ(eyes.size(), 2u);
        EXPECT_LT(eyes[0].centre.x(), face.box.center().x());
        EXPECT_GT(eyes[1].centre.x(), face.box.center().x());
        EXPECT_NEAR(eyes[0].centre.y(), eyes[1].centre.y(), 2.0 * scale());
        // Sly: the tops of the eyes slope down towards the nose.
        EXPECT_GT(inner_corner_drop(eyes[0], true), 1.5 * scale());
        EXPECT_GT(inner_corner_drop(eyes[1], false), 1.5 * scale());

        // A grin: wide, its corners drawn up above its middle.
        const Blob mouth = mouth_of(c, face);
        EXPECT_GT(mouth.box.width(), face.box.width() / 2);
        EXPECT_GT(mouth.box.width(), 2 * mouth.box.height());
        EXPECT_GT(mouth_middle_drop(mouth), 4.0 * scale());
    }
}

TEST_P(PictureFeatures, OnlyTheTongueComesOutBelowTheGrin)
{
    for (const char *name : {"computer_grin.bmp", "computer_tongue.bmp"}) {
        SCOPED_TRACE(name);
        const QImage c = picture(name, scale());
        const Face face = face_of(c);
        const auto tongues = tongues_of(c, face, mouth_of(c, face));
        EXPECT_EQ(tongues.size(), QByteArray(name).contains("tongue") ? 1u : 0u);
    }
}

TEST_P(PictureFeatures, SadFaceIsPaleBlueWithSadEyesAndADownturnedMouth)
{
    const QImage c = picture("computer_sad.bmp", scale());
    const Face face = face_of(c);
    ASSERT_GT(face.box.width(), c.width() / 4);
    EXPECT_GT(face.colour.blue(), face.colour.red() + 25);

    // Sad: the eyes' tops slope down away from the nose.
    const auto eyes = eyes_of(c, face, blue_iris);
    ASSERT_EQ(eyes.size(), 2u);
    EXPECT_LT(inner_corner_drop(eyes[0], true), -1.5 * scale());
    EXPECT_LT(inner_corner_drop(eyes[1], false), -1.5 * scale());

    const Blob mouth = mouth_of(c, face);
    EXPECT_GT(mouth.box.width(), face.box.width() / 3);
    EXPECT_LT(mouth_middle_drop(mouth), -4.0 * scale());
    EXPECT_TRUE(tongues_of(c, face, mouth).empty());
}

// ---- the start background ---------------------------------------------------

TEST_P(PictureFeatures, StartBackgroundIsAGreyFieldInAFadingRedBorderWithTheMainWindowOnTheRight)
{
    const QImage start = picture("start_background.bmp", scale());
    const int w = start.width(), h = start.height(), mid = h / 2;
    EXPECT_TRUE(reddish(start.pixelColor(0, mid)));
    EXPECT_TRUE(reddish(start.pixelColor(w / 2, 0)));
    EXPECT_TRUE(reddish(start.pixelColor(w - 1, mid)));

    // The border fades steadily into the grey, about 41 pixels (at scale 1) in.
    int border = 0;
    while (border < w / 2 && !is(start.pixelColor(border, mid), 192, 192, 192)) {
        if (border > 0) {
            EXPECT_GT(start.pixelColor(border, mid).green(), start.pixelColor(border - 1, mid).green()) << border;
        }
        ++border;
    }
    EXPECT_GE(border, 40 * scale());
    EXPECT_LE(border, 42 * scale());
    for (int x = border; x < w * 3 / 10; ++x)  // the field's left part is bare
        EXPECT_TRUE(is(start.pixelColor(x, mid), 192, 192, 192)) << x;

    // The main window: five teal rows on its board, matches on them, the
    // computer over them and the OK button's crossed matches beside them.
    auto teal = [](QColor c) { return c.red() < 60 && c.green() > 90 && std::abs(c.green() - c.blue()) < 30; };
    // The computer splits some rows in two: count bands of teal, not shapes.
    auto rows = blobs(start, QRect(w * 3 / 10, 0, w, h), teal, 300 * scale() * scale());
    std::sort(rows.begin(), rows.end(), [](const Blob &a, const Blob &b) { return a.box.top() < b.box.top(); });
    int bands = 0, band_bottom = -1;
    QRect board;
    for (const Blob &row : rows) {
        bands += row.box.top() > band_bottom;
        band_bottom = std::max(band_bottom, row.box.bottom());
        board |= row.box;
    }
    EXPECT_EQ(bands, 5);
    EXPECT_GT(board.left(), w * 3 / 10);
    const auto computer = blobs(start, board, magenta, 100 * scale() * scale());
    ASSERT_FALSE(computer.empty());
    EXPECT_TRUE(board.contains(computer.front().centre.toPoint()));
    EXPECT_FALSE(blobs(start, board, yellowish, 10 * scale()).empty());
    const QRect beside(board.right() + 1, board.top(), w - 41 * scale() - board.right() - 1, board.height());
    EXPECT_GE(blobs(start, beside, reddish, 4 * scale() * scale()).size(), 2u);
}
