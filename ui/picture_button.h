#pragma once

#include "pictures.h"

#include <QPushButton>

namespace brastola::ui {

// A push button that shows a picture centred above its caption, drawn for
// the pixel ratio of its screen.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    PictureButton(const QString &caption, PictureLoader picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};

}  // namespace brastola::ui
