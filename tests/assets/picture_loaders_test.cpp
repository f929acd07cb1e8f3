// The loaders give each picture at the device pixel ratio of the screen it is
// shown on: the file drawn for that ratio, or the sharper one reduced.

#include "picture_files.h"
#include "pictures.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace picture_files;
using namespace brastola::ui;

namespace {

class PictureLoaders : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    static void TearDownTestSuite() { app_.reset(); }

private:
    static inline int argc_ = 1;
    static inline char name_[] = "pictures_test";
    static inline char *argv_[] = {name_, nullptr};
    static inline std::unique_ptr<QGuiApplication> app_;
};

struct Loader {
    std::function<QPixmap(qreal)> load;
    const char *file;
};

const Loader loaders[] = {
    {app_icon_pixmap, "app_icon.ico"},
    {[](qreal ratio) { return hand_cursor(ratio).pixmap(); }, "hand_cursor.cur"},
    {match_image, "match_image.bmp"},
    {crossed_matches, "crossed_matches.bmp"},
    {computer_grin, "computer_grin.bmp"},
    {computer_tongue, "computer_tongue.bmp"},
    {computer_sad, "computer_sad.bmp"},
    {start_background, "start_background.bmp"},
};

QImage argb(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); }

// The picture drawn for ratio 2, reduced as a screen of `ratio` needs it.
QImage reduced(const char *file, qreal ratio)
{
    const QImage sharp = picture(file, 2);
    return argb(sharp.scaled((QSizeF(sharp.size()) / 2 * ratio).toSize(), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation));
}

}  // namespace

TEST_F(PictureLoaders, EachGivesTheFileDrawnForRatioOneOrTwo)
{
    for (qreal ratio : {0.75, 1.0, 2.0, 3.0}) {
        const int drawn_for = ratio < 2 ? 1 : 2;
        for (const Loader &l : loaders) {
            SCOPED_TRACE(std::string(l.file) + " at " + std::to_string(ratio));
            const QPixmap loaded = l.load(ratio);
            const QImage expected = argb(picture(l.file, drawn_for));
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(loaded.devicePixelRatio(), drawn_for);
            // Unchanged: the match keeps its white, for one.
            EXPECT_TRUE(argb(loaded.toImage()) == expected);
        }
    }
}

TEST_F(PictureLoaders, BetweenOneAndTwoTheyReduceThePictureDrawnForTwo)
{
    for (qreal ratio : {1.25, 1.5}) {
        for (const Loader &l : loaders) {
            SCOPED_TRACE(std::string(l.file) + " at " + std::to_string(ratio));
            const QPixmap loaded = l.load(ratio);
            EXPECT_EQ(loaded.devicePixelRatio(), ratio);
            const QSize logical = picture(l.file, 1).size();
            EXPECT_EQ(loaded.size(), (QSizeF(logical) * ratio).toSize());
            if (QByteArray(l.file) != "match_image.bmp") {  // the match: see below
                EXPECT_TRUE(argb(loaded.toImage()) == reduced(l.file, ratio));
            }
        }
    }
    EXPECT_EQ(match_image(1.5).size(), QSize(14, 117));
    EXPECT_EQ(start_background(1.25).size(), QSize(560, 419));
}

TEST_F(PictureLoaders, ReducedMatchKeepsPureWhiteAsItsOnlyTransparentColourWithoutAPaleFringe)
{
    const QImage sharp = picture("match_image.bmp", 2);
    auto painted = [](QColor c) { return c != Qt::white; };
    int lightest = 0;
    for (int y = 0; y < sharp.height(); ++y)
        for (int x = 0; x < sharp.width(); ++x)
            if (painted(sharp.pixelColor(x, y)))
                lightest = std::max(lightest, sharp.pixelColor(x, y).lightness());

    for (qreal ratio : {1.25, 1.5}) {
        SCOPED_TRACE(ratio);
        const QImage m = argb(match_image(ratio).toImage());
        const QImage smooth = reduced("match_image.bmp", ratio);
        auto inside = [&](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (!m.rect().contains(x + dx, y + dy) || !painted(m.pixelColor(x + dx, y + dy)))
                        return false;
            return true;
        };
        for (int y = 0; y < m.height(); ++y) {
            for (int x = 0; x < m.width(); ++x) {
                const QColor got = m.pixelColor(x, y), want = smooth.pixelColor(x, y);
                if (!painted(got))
                    continue;
                // No white blended into the edges...
                EXPECT_LE(got.lightness(), lightest) << x << "," << y;
                // ...and inside, the picture drawn for 2 reduced.
                if (inside(x, y)) {
                    EXPECT_NEAR(got.red(), want.red(), 2) << x << "," << y;
                    EXPECT_NEAR(got.green(), want.green(), 2) << x << "," << y;
                    EXPECT_NEAR(got.blue(), want.blue(), 2) << x << "," << y;
                }
            }
        }
        // The match keeps its shape: a stick 5 pixels wide at ratio 1, a wider head.
        auto width_at = [&](int y) {
            const auto runs = runs_in_row(m, y, painted);
            return runs.size() == 1 ? runs[0].second - runs[0].first + 1 : 0;
        };
        EXPECT_NEAR(width_at(m.height() / 2), 5 * ratio, 1.0);
        EXPECT_GT(width_at(int(6 * ratio)), width_at(m.height() / 2));
    }
}

// Run on the offscreen platform and on X11 (see CMakeLists.txt).
TEST_F(PictureLoaders, HandCursorHotspotStaysAtTheFingertip)
{
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QCursor cursor = hand_cursor(ratio);
        const QImage hand = cursor.pixmap().toImage();
        const QPoint tip = (QPointF(12, 1) * ratio).toPoint();
        // X11 takes the hotspot in the picture's own pixels, the others in
        // logical pixels.
        const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
        EXPECT_EQ(cursor.hotSpot(), x11 ? tip : QPoint(12, 1));
        EXPECT_GT(qAlpha(hand.pixel(tip)), 128);
        for (int y = 0; y < tip.y() - 1; ++y)
            for (int x = 0; x < hand.width(); ++x)
                EXPECT_EQ(qAlpha(hand.pixel(x, y)), 0) << x << "," << y;
    }
}

// Painted exactly where the match drawn for 2 covered more than half of a
// pixel (a margin left for the filter), sampled on an 8 x 8 grid.
TEST_F(PictureLoaders, ReducedMatchIsPaintedWhereTheMatchCoveredMoreThanHalf)
{
    const QImage sharp = picture("match_image.bmp", 2);
    for (qreal ratio : {1.25, 1.5}) {
        const QImage m = match_image(ratio).toImage();
        const QPointF step(qreal(sharp.width()) / m.width(), qreal(sharp.height()) / m.height());  // per pixel
        for (int y = 0; y < m.height(); ++y) {
            for (int x = 0; x < m.width(); ++x) {
                int covered = 0;
                for (int i = 0; i < 64; ++i) {
                    const QPoint at(int((x + (i % 8 + 0.5) / 8) * step.x()), int((y + (i / 8 + 0.5) / 8) * step.y()));
                    covered += sharp.pixelColor(at) != Qt::white;
                }
                if (covered <= 0.4 * 64 || covered >= 0.6 * 64) {
                    EXPECT_EQ(m.pixelColor(x, y) != Qt::white, covered >= 0.6 * 64) << ratio << ": " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(PictureLoaders, AppIconHoldsTheImagesDrawnForBothRatios)
{
    const QIcon icon = app_icon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({QSize(32, 32), QSize(64, 64)}));
    for (int ratio : {1, 2}) {
        const QPixmap shown = icon.pixmap(QSize(32, 32), ratio);
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
        EXPECT_TRUE(argb(shown.toImage()) == argb(picture("app_icon.ico", ratio))) << ratio;
    }
}
