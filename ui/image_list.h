#pragma once

#include "platform.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

namespace brastola::ui {

// Holds the match picture and draws it plain (the mask colour left unpainted)
// or selected (the same picture blended half-and-half with the highlight).
class ImageList {
public:
    void add(const QPixmap &picture, const QColor &mask_colour);
    int image_width() const { return plain_.width(); }
    // Draws on an RGB32 image; returns the rectangle it painted over.
    QRect draw(QImage &target, QPoint at, MatchStyle style) const;

private:
    QImage plain_;     // ARGB32, fully transparent where the mask colour was
    QImage selected_;
};

}  // namespace brastola::ui
