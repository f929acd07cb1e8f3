#include "picture_files.h"

#include <QFile>
#include <QtEndian>

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
