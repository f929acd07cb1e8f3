#pragma once

#include "platform.h"

#include <QFrame>
#include <QImage>

namespace brastola::ui {

class ImageList;

// One row of matches: a sunken box whose drawing area keeps what is drawn on
// it in an image, shown at every repaint.
class RowView : public QFrame {
    Q_OBJECT

public:
    RowView(const ImageList &images, QWidget *parent = nullptr);

    void clear();
    // x and y in points from the top-left corner of the drawing area.
    void draw_match(double x, double y, MatchStyle style);

    const QImage &drawing() const { return drawing_; }

signals:
    // Any mouse button; x and the width of the drawing area in pixels.
    void pressed(float x, float scale_width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void show_change(const QRect &area);

    const ImageList &images_;
    QImage drawing_;
};

}  // namespace brastola::ui
