#include "picture_files.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace picture_files {

const QDir &assets()
{
    static const QDir dir(QStringLiteral(ASSETS_DIR));
    return dir;
}

QString at_scale(const char *name, int scale)
{
    const QString file = QString::fromLatin1(name);
    if (scale == 1)
        return file;
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return file.left(dot) + QStringLiteral("@%1x").arg(scale) + file.mid(dot);
}

QByteArray bytes_of(const QDir &dir, const QString &name)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage picture(const char *name, int scale)
{
    return QImage(assets().filePath(at_scale(name, scale)));
}

int u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
int u32(const QByteArray &b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }

bool is(QColor c, int r, int g, int b) { return c == QColor(r, g, b); }
bool reddish(QColor c) { return c.red() > 80 && c.red() > 2 * c.green() + 20 && c.red() > 2 * c.blue() + 20; }
bool yellowish(QColor c) { return c.red() >= c.green() && c.green() > c.blue() + 30 && c != Qt::white; }
bool magenta(QColor c) { return c.red() > 150 && c.blue() > 150 && c.green() < 90; }
bool opaque(QColor c) { return c.alpha() == 255; }

std::vector<Blob> blobs(const QImage &image, const QRect &area, const ColourTest &test, int min_area)
{
    const QRect box = area & image.rect();
    std::vector<char> seen(size_t(box.width()) * box.height(), 0);
    auto mark = [&](QPoint p) -> char & {
        return seen[size_t(p.y() - box.top()) * box.width() + (p.x() - box.left())];
    };
    std::vector<Blob> found;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (mark({x, y}) || !test(image.pixelColor(x, y)))
                continue;
            Blob blob;
            std::vector<QPoint> todo{{x, y}};
            mark({x, y}) = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                blob.pixels.push_back(p);
                for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (box.contains(q) && !mark(q) && test(image.pixelColor(q))) {
                        mark(q) = 1;
                        todo.push_back(q);
                    }
                }
            }
            if (blob.area() < min_area)
                continue;
            QPointF sum;
            for (QPoint p : blob.pixels) {
                blob.box |= QRect(p, QSize(1, 1));
                sum += p;
            }
            blob.centre = sum / blob.area();
            found.push_back(std::move(blob));
        }
    }
    std::sort(found.begin(), found.end(), [](const Blob &a, const Blob &b) { return a.area() > b.area(); });
    return found;
}

std::vector<std::pair<int, int>> runs_in_row(const QImage &image, int y, const ColourTest &test)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (!test(image.pixelColor(x, y)))
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

}  // namespace picture_files
