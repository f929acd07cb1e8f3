#pragma once

#include "exchange.h"
#include "game.h"
#include "platform.h"

#include <QFrame>
#include <QImage>

#include <vector>

namespace brastola::ui {

class ImageList;

// One row of matches: a sunken box whose drawing area keeps what is drawn on
// it in an image, shown at every repaint. It takes the focus from the
// keyboard, and tells screen readers what it shows.
class RowView : public QFrame {
    Q_OBJECT

public:
    RowView(int row, const ImageList &images, QWidget *parent = nullptr);

    void clear();
    // x and y in points from the top-left corner of the drawing area.
    void draw_match(double x, double y, MatchStyle style);

    // What has been drawn since the last clear, rendered.
    const QImage &drawing();

    // What the row shows, counted as it is drawn.
    int matches_shown() const { return static_cast<int>(wanted_.size()); }
    int selected_shown() const;
    // "Riga 2", and "7 fiammiferi, 3 selezionati".
    QString name() const;
    QString description() const;

signals:
    // Any mouse button; x and the width of the drawing area in pixels.
    void pressed(float x, float scale_width);
    // A key that changes the selection.
    void keyed(Game::RowKey key);
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
    // A match as drawn: its place in device pixels and its style.
    struct Mark {
        QPoint at;
        MatchStyle style;
        bool operator==(const Mark &) const = default;
    };

    void settle();
    QRect render();
    void announce();

    const int row_;
    const ImageList &images_;
    QImage drawing_;
    std::vector<Mark> rendered_;  // what drawing_ shows
    std::vector<Mark> wanted_;    // what has been drawn since the last clear
    Settling settling_;
    QString announced_;

    friend class RowAccessible;
};

}  // namespace brastola::ui
