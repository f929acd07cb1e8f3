#include "picture_button.h"

#include "pixel_ratio.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace brastola::ui {

PictureButton::PictureButton(const QString &caption, PictureLoader picture, QWidget *parent)
    : QPushButton(caption, parent), picture_(picture(devicePixelRatioF()))
{
    follow_pixel_ratio(*this, [this, picture](qreal ratio) {
        picture_ = picture(ratio);
        update();
    });
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus frame

    const int caption_height = fontMetrics().height();
    const QSize picture = picture_.deviceIndependentSize().toSize();
    const int total = picture.height() + caption_height;
    // A pressed button shows its face one pixel down and to the right.
    const int shift = isDown() ? 1 : 0;
    const int top = (height() - total) / 2 + shift;
    painter.drawPixmap((width() - picture.width()) / 2 + shift, top, picture_);
    const QRect caption_area(shift, top + picture.height(), width(), caption_height);
    painter.drawItemText(caption_area, Qt::AlignCenter, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

}  // namespace brastola::ui
