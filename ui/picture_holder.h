#pragma once

#include <QObject>
#include <QPixmap>

namespace brastola::ui {

// A picture the window keeps under a name for the game, never shown by
// itself: the end-of-game picture takes it over when the game asks. Not a
// widget, so it takes no room and no screen reader ever meets it.
class PictureHolder : public QObject {
    Q_OBJECT

public:
    PictureHolder(const char *name, const QPixmap &picture, QObject *parent);

    const QPixmap &pixmap() const { return picture_; }

private:
    QPixmap picture_;
};

}  // namespace brastola::ui
