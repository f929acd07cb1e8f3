#pragma once

#include "game.h"
#include "platform.h"

#include <QFrame>
#include <QImage>

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

    const QImage &drawing() const { return drawing_; }

    // What the row shows, counted as it is drawn.
    int matches_shown() const { return matches_shown_; }
    int selected_shown() const { return selected_shown_; }
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
    void show_change(const QRect &area);
    void announce();

    const int row_;
    const ImageList &images_;
    QImage drawing_;
    int matches_shown_ = 0;
    int selected_shown_ = 0;
    bool announcing_ = false;
    QString announced_;

    friend class RowAccessible;
};

}  // namespace brastola::ui
