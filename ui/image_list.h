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
    // The picture may be drawn for any device pixel ratio; it is drawn
    // pixel for pixel, so the target must have the same.
    void add(const QPixmap &picture, const QColor &mask_colour);
    // In logical pixels, whatever the ratio.
    int image_width() const { return qRound(plain_.deviceIndependentSize().width()); }
    // Where a match drawn at `at` lies, in device pixels.
    QRect area(QPoint at) const { return QRect(at, plain_.size()); }
    // Draws on an RGB32 image at a position in device pixels, within `clip`.
    void draw(QImage &target, QPoint at, MatchStyle style, const QRect &clip) const;

private:
    QImage plain_;     // ARGB32, fully transparent where the mask colour was
    QImage selected_;
};

}  // namespace brastola::ui
