#include "row_view.h"

#include "classic.h"
#include "image_list.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace brastola::ui {

RowView::RowView(const ImageList &images, QWidget *parent) : QFrame(parent), images_(images)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RowView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    drawing_ = QImage(contentsRect().size(), QImage::Format_RGB32);
    drawing_.fill(colour::desktop);
}

void RowView::clear()
{
    drawing_.fill(colour::desktop);
    show_change(drawing_.rect());
}

void RowView::draw_match(double x, double y, MatchStyle style)
{
    const QPoint at(static_cast<int>(std::lround(points_to_pixels(x))),
                    static_cast<int>(std::lround(points_to_pixels(y))));
    show_change(images_.draw(drawing_, at, style));
}

void RowView::show_change(const QRect &area)
{
    update(area.translated(contentsRect().topLeft()) & contentsRect());
}

void RowView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), drawing_);
    painter.end();
    QFrame::paintEvent(event);  // the sunken border
}

void RowView::mousePressEvent(QMouseEvent *event)
{
    const QRect area = contentsRect();
    if (!area.contains(event->position().toPoint()))
        return;  // the border is not part of the row
    emit pressed(static_cast<float>(event->position().x() - area.left()),
                 static_cast<float>(area.width()));
}

}  // namespace brastola::ui
