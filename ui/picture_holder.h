#pragma once

#include "pictures.h"

#include <QObject>
#include <QString>

namespace brastola::ui {

// A picture the window keeps under a name for the game, never shown by
// itself: the end-of-game picture takes it over when the game asks. Not a
// widget, so it takes no room and no screen reader ever meets it.
class PictureHolder : public QObject {
    Q_OBJECT

public:
    // description: what the picture shows, for those who cannot see it.
    PictureHolder(const char *name, PictureLoader picture, const QString &description, qreal device_pixel_ratio,
                  QObject *parent);

    const QPixmap &pixmap() const { return picture_; }
    const QString &description() const { return description_; }
    void load(qreal device_pixel_ratio) { picture_ = loader_(device_pixel_ratio); }

private:
    PictureLoader loader_;
    QPixmap picture_;
    QString description_;
};

}  // namespace brastola::ui
