// The picture files: their formats and sizes at both scales, the launcher
// icons, and the drawing program writing every one of them again.

#include "picture_files.h"

#include <QProcess>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

using namespace picture_files;

namespace {

class PictureFiles : public AtEachScale {};

INSTANTIATE_TEST_SUITE_P(Scales, PictureFiles, ::testing::Values(1, 2), scale_name);

const char *const bitmaps[] = {"match_image.bmp",   "crossed_matches.bmp", "computer_grin.bmp",
                               "computer_tongue.bmp", "computer_sad.bmp",   "start_background.bmp"};

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

// As tools/redraw-pictures draws them, the start backgrounds with the main
// window rendered at both ratios.
TEST(PictureFiles, DrawingToolsWriteTheCommittedFiles)
{
    const QTemporaryDir out;
    for (const char *ratio : {"1", "2"})
        ASSERT_EQ(QProcess::execute(MAIN_WINDOW_PICTURE, {ratio, out.filePath(ratio + QStringLiteral("x.png"))}), 0);
    ASSERT_EQ(QProcess::execute(DRAW_PICTURES, {"--window", out.filePath("1x.png"), "--window2x", out.filePath("2x.png"),
                                                out.filePath("assets")}),
              0);
    std::vector<const char *> drawn_names{"app_icon.ico", "hand_cursor.cur", "match_image.bmp", "crossed_matches.bmp",
                                          "computer_grin.bmp", "computer_tongue.bmp", "computer_sad.bmp"};
#ifndef Q_OS_WIN  // Windows renders the window's text with its own fonts, which fonts.conf cannot choose
    drawn_names.push_back("start_background.bmp");
#endif
    QStringList names;
    for (int scale : {1, 2}) {
        for (const char *name : drawn_names)
            names << at_scale(name, scale);
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        names << QStringLiteral("hicolor/%1x%1/apps/brastola.png").arg(size);
    for (const QString &name : names) {
        const QByteArray drawn = bytes_of(QDir(out.filePath(QStringLiteral("assets"))), name);
        EXPECT_FALSE(drawn.isEmpty()) << name.toStdString();
        EXPECT_TRUE(drawn == bytes_of(assets(), name)) << name.toStdString();
    }
}
