// Draws the game's pictures and writes them into a directory:
//   draw_pictures [--window <screenshot.png>] [--window2x <screenshot.png>]
//                 [output directory]
// Each picture is written at scale 1 and, named with "@2x" as Qt looks for it,
// at scale 2; the start background shows the main window's screenshot taken
// at the same scale. The launcher icons go to hicolor/<size>x<size>/apps/,
// laid out as the icon theme they install into. The output directory defaults
// to the source tree's assets/.

#include "drawings.h"
#include "image_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <array>
#include <cstdio>
#include <exception>

using namespace draw_pictures;

namespace {

bool write_file(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// "match_image.bmp" at scale 1, "match_image@2x.bmp" at scale 2.
QString file_name(const char *base, const char *extension, int scale)
{
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QString::fromLatin1(base) + suffix + QLatin1Char('.') + QString::fromLatin1(extension);
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool write_pictures(const QDir &dir, int scale, const QImage &window)
{
    const QPoint hotspot = hand_hotspot(scale);
    auto write = [&](const char *base, const char *extension, const QByteArray &bytes) {
        return write_file(dir, file_name(base, extension, scale), bytes);
    };
    return write("app_icon", "ico", icon_file(app_icon(scale), nullptr)) &&
           write("hand_cursor", "cur", icon_file(hand_cursor(scale), &hotspot)) &&
           write("match_image", "bmp", bmp24(match_image(scale))) &&
           write("crossed_matches", "bmp", bmp24(crossed_matches(scale))) &&
           write("computer_grin", "bmp", bmp24(computer(Mood::grin, scale))) &&
           write("computer_tongue", "bmp", bmp24(computer(Mood::tongue, scale))) &&
           write("computer_sad", "bmp", bmp24(computer(Mood::sad, scale))) &&
           write("start_background", "bmp", bmp24(start_background(window, scale)));
}

bool write_launcher_icons(const QDir &dir)
{
    for (int size : launcher_sizes) {
        const QString name = QStringLiteral("hicolor/%1x%1/apps/brastola.png").arg(size);
        if (!write_file(dir, name, png(launcher_icon(size))))
            return false;
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: draw_pictures [--window <screenshot.png>] "
                         "[--window2x <screenshot.png>] [output directory]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    QString out_dir = QStringLiteral(DEFAULT_ASSETS_DIR);
    std::array<QString, 2> window_files;  // by scale, 1 and 2
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--window") && i + 1 < argc)
            window_files[0] = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--window2x") && i + 1 < argc)
            window_files[1] = QString::fromLocal8Bit(argv[++i]);
        else if (arg.startsWith(QLatin1Char('-')))
            return usage();
        else
            out_dir = arg;
    }

    std::array<QImage, 2> windows;
    for (int i = 0; i < 2; ++i) {
        if (!window_files[i].isEmpty() && !windows[i].load(window_files[i])) {
            std::fprintf(stderr, "draw_pictures: cannot read %s\n", qPrintable(window_files[i]));
            return 1;
        }
    }
    const QDir dir(out_dir);
    if (!dir.exists() && !QDir().mkpath(out_dir)) {
        std::fprintf(stderr, "draw_pictures: cannot create %s\n", qPrintable(out_dir));
        return 1;
    }

    try {
        const bool ok = write_pictures(dir, 1, windows[0]) && write_pictures(dir, 2, windows[1]) &&
                        write_launcher_icons(dir);
        return ok ? 0 : 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "draw_pictures: %s\n", e.what());
        return 1;
    }
}
