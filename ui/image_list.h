#pragma once

#include "platform.h"

#include <QColor>
#include <QPixmap>

class QPainter;

namespace brastola::ui {

// Holds the match picture and draws it plain (the mask colour left unpainted)
// or selected (the same picture blended half-and-half with the highlight).
class ImageList {
public:
    void add(const QPixmap &picture, const QColor &mask_colour);
    int image_width() const { return plain_.width(); }
    QRect draw(QPainter &painter, QPoint at, MatchStyle style) const;  // returns the painted rect

private:
    QPixmap plain_;
    QPixmap selected_;
};

}  // namespace brastola::ui
