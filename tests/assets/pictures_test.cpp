// The picture files: their formats and sizes at both scales, the launcher
// icons, what they show, and the drawing program writing every one of them
// again.

#include "picture_files.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace picture_files;

namespace {

class PictureFiles : public AtEachScale {};

INSTANTIATE_TEST_SUITE_P(Scales, PictureFiles, ::testing::Values(1, 2), scale_name);

const char *const bitmaps[] = {"match_image.bmp",   "crossed_matches.bmp", "computer_grin.bmp",
                               "computer_tongue.bmp", "computer_sad.bmp",   "start_background.bmp"};

// Painted, not transparent: the grey of the windows these pictures sit on.
void expect_grey_corners(const QImage &image)
{
    const int r = image.width() - 1, b = image.height() - 1;
    for (QPoint p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        EXPECT_TRUE(is(image.pixelColor(p), 192, 192, 192)) << p.x() << "," << p.y();
}

QByteArray palette_of(const QByteArray &icon_file)
{
    return icon_file.mid(u32(icon_file, 18) + 40, 16 * 4);
}

}  // namespace

TEST_P(PictureFiles, BitmapsAreTwentyFourBitsAtTwiceTheSizeForScaleTwo)
{
    const QSize sizes[] = {{9, 78}, {73, 170}, {400, 400}, {400, 400}, {400, 400}, {448, 335}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(bitmaps[i]);
        const QByteArray b = bytes_of(assets(), at_scale(bitmaps[i], scale()));
        ASSERT_GE(b.size(), 54);
        EXPECT_TRUE(b.startsWith("BM"));
        EXPECT_EQ(QSize(u32(b, 18), u32(b, 22)), sizes[i] * scale());
        EXPECT_EQ(u16(b, 28), 24);
        EXPECT_EQ(u32(b, 30), 0);  // uncompressed
        EXPECT_EQ(picture(bitmaps[i], scale()).size(), sizes[i] * scale());
    }
}

TEST_P(PictureFiles, IconAndCursorAreSixteenColoursWithTheirMasks)
{
    const int side = 32 * scale();
    for (const char *name : {"app_icon.ico", "hand_cursor.cur"}) {
        SCOPED_TRACE(name);
        const QByteArray b = bytes_of(assets(), at_scale(name, scale()));
        const bool cursor = QByteArray(name).endsWith(".cur");
        ASSERT_GE(b.size(), 22 + 40);
        EXPECT_EQ(u16(b, 2), cursor ? 2 : 1);
        EXPECT_EQ(u16(b, 4), 1);  // one image, in 16 colours
        const char entry[] = {char(side), char(side), 16};  // width, height, colours
        EXPECT_EQ(QByteArray(b.constData() + 6, 3), QByteArray(entry, 3));
        const int info = u32(b, 18);
        const int colour_row = side / 2, mask_row = (side / 8 + 3) / 4 * 4;
        ASSERT_EQ(info + 40 + 16 * 4 + (colour_row + mask_row) * side, b.size());
        EXPECT_EQ(u32(b, info + 8), 2 * side);  // the colours and the mask stacked
        EXPECT_EQ(u16(b, info + 14), 4);
        EXPECT_EQ(palette_of(b), palette_of(bytes_of(assets(), QString::fromLatin1(name))));
        if (cursor) {  // the hotspot, where an icon keeps planes and depth
            EXPECT_EQ(QPoint(u16(b, 10), u16(b, 12)), QPoint(12, 1) * scale());
        }
        // 4-bit colours carry no alpha: Qt takes transparency from the mask.
        const QImage image = picture(name, scale());
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(side - 1, side - 1)), 0);
    }
}

TEST(PictureFiles, LauncherIconsAtEverySizeTheThirtyTwoBeingTheProgramsIcon)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(assets().filePath(QStringLiteral("hicolor/%1x%1/apps/brastola.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        if (size == 32) {
            EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
                      picture("app_icon.ico", 1).convertToFormat(QImage::Format_ARGB32));
        }
    }
}

TEST(PictureFiles, IconHasFourRedHeadsAndTheCursorItsFingertipAtTheHotspot)
{
    const QImage icon = picture("app_icon.ico", 1);
    int heads = 0;  // runs of opaque red across the icon's upper part
    for (int x = 0, run = 0; x < 32; ++x, heads += run == 1)
        run = qAlpha(icon.pixel(x, 6)) && reddish(icon.pixelColor(x, 6)) ? run + 1 : 0;
    EXPECT_EQ(heads, 4);

    // The fingertip is the cursor's highest pixel, right at the hotspot.
    const QImage hand = picture("hand_cursor.cur", 1);
    for (int x = 0; x < 32; ++x)
        EXPECT_EQ(qAlpha(hand.pixel(x, 0)), 0) << x;
    EXPECT_EQ(qAlpha(hand.pixel(12, 1)), 255);
    EXPECT_TRUE(is(hand.pixelColor(12, 6), 255, 255, 255));
    int cuff = 0;  // opaque blue at the wrist
    for (int y = 20; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            cuff += hand.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(cuff, 20);
}

TEST(PictureFiles, MatchHasWhiteAroundARedHeadAndAShadedStick)
{
    const QImage m = picture("match_image.bmp", 1);
    ASSERT_EQ(m.size(), QSize(9, 78));
    for (int y = 0; y < 78; ++y) {
        for (int x = 0; x < 9; ++x) {
            // White on the outer ring and beside the five-pixel stick.
            const bool ring = x == 0 || x == 8 || y == 0 || y == 77;
            if (ring || (y > 10 && (x < 2 || x > 6))) {
                EXPECT_TRUE(is(m.pixelColor(x, y), 255, 255, 255)) << x << "," << y;
            } else if (y > 10) {
                EXPECT_TRUE(yellowish(m.pixelColor(x, y))) << x << "," << y;
            }
        }
        if (y >= 1 && y <= 10) {  // a dark red head, its corners rounded off in white
            EXPECT_TRUE(reddish(m.pixelColor(4, y))) << y;
            for (int x = 1; x < 8; ++x)
                EXPECT_TRUE(is(m.pixelColor(x, y), 255, 255, 255) || reddish(m.pixelColor(x, y)));
        } else if (y > 10 && y < 77) {  // shaded from dark ochre to light yellow
            EXPECT_LT(m.pixelColor(2, y).lightness(), m.pixelColor(6, y).lightness()) << y;
        }
    }
    EXPECT_LT(m.pixelColor(1, 5).lightness(), m.pixelColor(5, 5).lightness());
}

TEST(PictureFiles, ComputersShareOneDrawingAndDifferOnTheScreen)
{
    const QImage grin = picture("computer_grin.bmp", 1);
    const QImage tongue = picture("computer_tongue.bmp", 1);
    const QImage sad = picture("computer_sad.bmp", 1);
    for (const QImage *image : {&grin, &tongue, &sad})
        ASSERT_EQ(image->size(), QSize(400, 400));
    const QRect screen(100, 40, 200, 170);  // upper middle, where the face is
    int body = 0, tongue_changes = 0, red = 0, sad_changes = 0, pale_blue = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            body += magenta(grin.pixelColor(x, y));
            if (tongue.pixel(x, y) != grin.pixel(x, y)) {
                ++tongue_changes;
                red += reddish(tongue.pixelColor(x, y));
                EXPECT_TRUE(screen.contains(x, y)) << x << "," << y;
            }
            if (sad.pixel(x, y) != grin.pixel(x, y)) {
                const QColor c = sad.pixelColor(x, y);
                ++sad_changes;
                pale_blue += c.blue() > 220 && c.blue() > c.red() + 20 && c.green() > 150;
                EXPECT_TRUE(screen.contains(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(body, 400 * 400 / 10);
    EXPECT_GT(red, tongue_changes / 2);
    EXPECT_GT(pale_blue, sad_changes / 3);
    for (const QImage *image : {&grin, &tongue, &sad})
        expect_grey_corners(*image);
}

TEST(PictureFiles, CrossedMatchesAndStartBackground)
{
    const QImage crossed = picture("crossed_matches.bmp", 1);
    expect_grey_corners(crossed);
    int heads = 0, sticks = 0;
    for (int x = 0; x < crossed.width(); ++x) {
        for (int y = 0; y < 30; ++y)
            heads += reddish(crossed.pixelColor(x, y));
        sticks += yellowish(crossed.pixelColor(x, 130));
    }
    EXPECT_GT(heads, 100);
    EXPECT_GE(sticks, 8);  // both sticks cross that row

    const QImage start = picture("start_background.bmp", 1);
    const int mid = start.height() / 2;
    EXPECT_TRUE(reddish(start.pixelColor(0, mid)));
    EXPECT_TRUE(reddish(start.pixelColor(start.width() / 2, 0)));
    EXPECT_TRUE(is(start.pixelColor(60, mid), 192, 192, 192));
    for (int x = 1; x < 41; ++x)  // the border fades steadily into the field
        EXPECT_GT(start.pixelColor(x, mid).green(), start.pixelColor(x - 1, mid).green()) << x;
}

TEST(PictureFiles, DrawingToolWritesTheCommittedFiles)
{
    const QTemporaryDir out;
    ASSERT_EQ(QProcess::execute(QStringLiteral(DRAW_PICTURES), {out.path()}), 0);
    // The start backgrounds alone depend on screenshots of the main window.
    QStringList names;
    for (int scale : {1, 2}) {
        for (const char *name : {"app_icon.ico", "hand_cursor.cur", "match_image.bmp", "crossed_matches.bmp",
                                 "computer_grin.bmp", "computer_tongue.bmp", "computer_sad.bmp"})
            names << at_scale(name, scale);
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        names << QStringLiteral("hicolor/%1x%1/apps/brastola.png").arg(size);
    for (const QString &name : names) {
        const QByteArray drawn = bytes_of(QDir(out.path()), name);
        EXPECT_FALSE(drawn.isEmpty()) << name.toStdString();
        EXPECT_TRUE(drawn == bytes_of(assets(), name)) << name.toStdString();
    }
}
