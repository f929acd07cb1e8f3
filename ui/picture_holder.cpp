#include "picture_holder.h"

namespace brastola::ui {

PictureHolder::PictureHolder(const char *name, const QPixmap &picture, const QString &description,
                             QObject *parent)
    : QObject(parent), picture_(picture), description_(description)
{
    setObjectName(QLatin1String(name));
}

}  // namespace brastola::ui
