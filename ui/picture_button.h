#pragma once

#include <QPixmap>
#include <QPushButton>

namespace brastola::ui {

// A push button that shows a picture centred above its caption.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    PictureButton(const QString &caption, const QPixmap &picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};

}  // namespace brastola::ui
