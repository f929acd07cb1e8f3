#include "picture_holder.h"

namespace brastola::ui {

PictureHolder::PictureHolder(const char *name, PictureLoader picture, qreal device_pixel_ratio, QObject *parent)
    : QObject(parent), loader_(picture), picture_(picture(device_pixel_ratio))
{
    setObjectName(QLatin1String(name));
}

}  // namespace brastola::ui
