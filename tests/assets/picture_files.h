#pragma once

// What the picture tests share: the files in assets/ and ways of finding
// shapes in them.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace picture_files {

// Test cases that run once for the pictures drawn for each scale, 1 and 2,
// named x1 and x2.
class AtEachScale : public testing::TestWithParam<int> {
protected:
    int scale() const { return GetParam(); }
};
inline std::string scale_name(const testing::TestParamInfo<int> &info)
{
    return "x" + std::to_string(info.param);
}

const QDir &assets();

// "match_image.bmp" at scale 1, "match_image@2x.bmp" at scale 2.
QString at_scale(const char *name, int scale);
QByteArray bytes_of(const QDir &dir, const QString &name);
QImage picture(const char *name, int scale);
int u16(const QByteArray &b, int at);
int u32(const QByteArray &b, int at);

using ColourTest = std::function<bool(QColor)>;
bool is(QColor c, int r, int g, int b);
bool reddish(QColor c);
bool yellowish(QColor c);
bool magenta(QColor c);
bool opaque(QColor c);

// A set of touching pixels of one kind.
struct Blob {
    std::vector<QPoint> pixels;
    QRect box;
    QPointF centre;
    int area() const { return int(pixels.size()); }
};

// The blobs of pixels inside `area` that pass `test`, largest first; those
// smaller than `min_area` are left out.
std::vector<Blob> blobs(const QImage &image, const QRect &area, const ColourTest &test,
                        int min_area = 1);

// The runs of consecutive pixels passing `test` along row y, as [first, last].
std::vector<std::pair<int, int>> runs_in_row(const QImage &image, int y, const ColourTest &test);

}  // namespace picture_files
