// Draws the game's eight pictures and writes them into a directory:
//   draw_pictures [--window <main window screenshot.png>] [output directory]
// The output directory defaults to the source tree's assets/.

#include "drawings.h"
#include "image_files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <exception>

using namespace draw_pictures;

namespace {

bool write_file(const QDir &dir, const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: draw_pictures [--window <screenshot.png>] [output directory]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    QString out_dir = QStringLiteral(DEFAULT_ASSETS_DIR);
    QString window_file;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--window") && i + 1 < argc)
            window_file = QString::fromLocal8Bit(argv[++i]);
        else if (arg.startsWith(QLatin1Char('-')))
            return usage();
        else
            out_dir = arg;
    }

    QImage window;
    if (!window_file.isEmpty() && !window.load(window_file)) {
        std::fprintf(stderr, "draw_pictures: cannot read %s\n", qPrintable(window_file));
        return 1;
    }
    const QDir dir(out_dir);
    if (!dir.exists() && !QDir().mkpath(out_dir)) {
        std::fprintf(stderr, "draw_pictures: cannot create %s\n", qPrintable(out_dir));
        return 1;
    }

    try {
        const QPoint hotspot = hand_hotspot;
        const bool ok = write_file(dir, "app_icon.ico", icon_file(app_icon(), nullptr)) &&
                        write_file(dir, "hand_cursor.cur", icon_file(hand_cursor(), &hotspot)) &&
                        write_file(dir, "match_image.bmp", bmp24(match_image())) &&
                        write_file(dir, "crossed_matches.bmp", bmp24(crossed_matches())) &&
                        write_file(dir, "computer_grin.bmp", bmp24(computer(Mood::grin))) &&
                        write_file(dir, "computer_tongue.bmp", bmp24(computer(Mood::tongue))) &&
                        write_file(dir, "computer_sad.bmp", bmp24(computer(Mood::sad))) &&
                        write_file(dir, "start_background.bmp", bmp24(start_background(window)));
        return ok ? 0 : 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "draw_pictures: %s\n", e.what());
        return 1;
    }
}
