#pragma once

#include "pictures.h"

#include <QObject>

namespace brastola::ui {

// A picture the window keeps under a name for the game, never shown by
// itself: the end-of-game picture takes it over when the game asks. Not a
// widget, so it takes no room and no screen reader ever meets it.
class PictureHolder : public QObject {
    Q_OBJECT

public:
    PictureHolder(const char *name, PictureLoader picture, qreal device_pixel_ratio, QObject *parent);

    const QPixmap &pixmap() const { return picture_; }
    void load(qreal device_pixel_ratio) { picture_ = loader_(device_pixel_ratio); }

private:
    PictureLoader loader_;
    QPixmap picture_;
};

}  // namespace brastola::ui
