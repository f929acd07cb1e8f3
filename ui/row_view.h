#pragma once

#include "platform.h"
#include "settling.h"

#include <QFrame>
#include <QImage>

#include <vector>

namespace brastola::ui {

class ImageList;

// One row of matches: a sunken box whose drawing area keeps what is drawn on
// it in an image, shown at every repaint. It takes the focus from the
// keyboard while it holds matches.
class RowView : public QFrame {
    Q_OBJECT

public:
    RowView(int row, const ImageList &images, QWidget *parent = nullptr);

    void clear();
    // x and y in points from the top-left corner of the drawing area.
    void draw_match(double x, double y, MatchStyle style);
    // Renders every match again, at the pixel ratio of the row's screen: for
    // a new size, a new ratio or a new picture in the image list.
    void redraw();

    // What has been drawn since the last clear, rendered.
    const QImage &drawing();

    // The row's number, 1 (top) to 5.
    int row() const { return row_; }
    // What the row shows, counted as it is drawn.
    int matches_shown() const { return static_cast<int>(wanted_.size()); }
    int selected_shown() const;

signals:
    // Any mouse button; x and the width of the drawing area in pixels.
    void pressed(float x, float scale_width);
    // A key that changes the selection.
    void keyed(RowKey key);
    // Enter or Space: the player confirms the selection.
    void confirmed();
    // A screen reader set how many matches to select.
    void count_requested(int count);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // A match as drawn: its place in logical pixels and its style.
    struct Mark {
        QPoint at;
        MatchStyle style;
        bool operator==(const Mark &) const = default;
    };

    QPoint device(QPoint logical) const;
    void settle();
    QRect render();
    void update_tab_stop();

    const int row_;
    const ImageList &images_;
    QImage drawing_;
    std::vector<Mark> rendered_;  // what drawing_ shows
    std::vector<Mark> wanted_;    // what has been drawn since the last clear
    Settling settling_;
};

}  // namespace brastola::ui
