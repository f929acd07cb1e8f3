// Build step: writes the program's icon as the PNG that desktop icon themes
// need. Usage: icon_to_png <input picture> <output.png>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: icon_to_png <input picture> <output.png>\n", stderr);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "icon_to_png: cannot convert %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
