#include "image_list.h"

#include "classic.h"

#include <QImage>
#include <QPainter>

namespace brastola::ui {

void ImageList::add(const QPixmap &picture, const QColor &mask_colour)
{
    QImage plain = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage selected = plain;
    const QRgb mask = mask_colour.rgb();
    const QRgb highlight = colour::highlight.rgb();
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb pixel = plain.pixel(x, y);
            if ((pixel & RGB_MASK) == (mask & RGB_MASK)) {
                plain.setPixel(x, y, qRgba(0, 0, 0, 0));
                selected.setPixel(x, y, qRgba(0, 0, 0, 0));
            } else {
                selected.setPixel(x, y, qRgb((qRed(pixel) + qRed(highlight)) / 2,
                                             (qGreen(pixel) + qGreen(highlight)) / 2,
                                             (qBlue(pixel) + qBlue(highlight)) / 2));
            }
        }
    }
    plain_ = QPixmap::fromImage(plain);
    selected_ = QPixmap::fromImage(selected);
}

QRect ImageList::draw(QPainter &painter, QPoint at, MatchStyle style) const
{
    const QPixmap &image = style == MatchStyle::selected ? selected_ : plain_;
    painter.drawPixmap(at, image);
    return QRect(at, image.size());
}

}  // namespace brastola::ui
