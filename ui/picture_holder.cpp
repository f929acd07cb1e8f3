#include "picture_holder.h"

namespace brastola::ui {

PictureHolder::PictureHolder(const char *name, const QPixmap &picture, QObject *parent)
    : QObject(parent), picture_(picture)
{
    setObjectName(QLatin1String(name));
}

}  // namespace brastola::ui
