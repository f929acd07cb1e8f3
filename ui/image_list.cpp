#include "image_list.h"

#include "classic.h"

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
    plain_ = plain;
    selected_ = selected;
}

void ImageList::draw(QImage &target, QPoint at, MatchStyle style, const QRect &clip) const
{
    // A masked copy by hand: pixels are either fully shown or left alone, and
    // a whole board of matches is drawn well within a millisecond.
    const QImage &image = style == MatchStyle::selected ? selected_ : plain_;
    const QRect area = QRect(at, image.size()) & target.rect() & clip;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(image.constScanLine(y - at.y()));
        auto *to = reinterpret_cast<QRgb *>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (const QRgb pixel = from[x - at.x()]; qAlpha(pixel) != 0)
                to[x] = pixel;
    }
}

}  // namespace brastola::ui
