#include "pictures.h"

namespace brastola::ui {

// QPixmap keeps pictures loaded from a file in QPixmapCache, so loading on
// every call costs little and no pixmap outlives the application object.

QIcon app_icon()
{
    return QIcon(QStringLiteral(":/app_icon.ico"));
}

QPixmap app_icon_pixmap()
{
    return QPixmap(QStringLiteral(":/app_icon.ico"));
}

QCursor hand_cursor()
{
    // Qt reads a cursor file as a plain picture and drops the hotspot stored in it.
    return QCursor(QPixmap(QStringLiteral(":/hand_cursor.cur")), 12, 1);
}

QPixmap match_image()
{
    return QPixmap(QStringLiteral(":/match_image.bmp"));
}

QPixmap crossed_matches()
{
    return QPixmap(QStringLiteral(":/crossed_matches.bmp"));
}

QPixmap computer_grin()
{
    return QPixmap(QStringLiteral(":/computer_grin.bmp"));
}

QPixmap computer_tongue()
{
    return QPixmap(QStringLiteral(":/computer_tongue.bmp"));
}

QPixmap computer_sad()
{
    return QPixmap(QStringLiteral(":/computer_sad.bmp"));
}

QPixmap start_background()
{
    return QPixmap(QStringLiteral(":/start_background.bmp"));
}

}  // namespace brastola::ui
