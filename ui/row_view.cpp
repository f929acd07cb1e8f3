#include "row_view.h"

#include "classic.h"
#include "image_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace brastola::ui {

RowView::RowView(int row, const ImageList &images, QWidget *parent)
    : QFrame(parent), row_(row), images_(images), settling_(*this, [this] { settle(); })
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the keyboard brings the focus here, and only once the row holds
    // matches: a click leaves it where it was.
    setFocusPolicy(Qt::NoFocus);
}

int RowView::selected_shown() const
{
    return static_cast<int>(std::count_if(wanted_.begin(), wanted_.end(),
                                          [](const Mark &m) { return m.style == MatchStyle::selected; }));
}

void RowView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    redraw();
}

void RowView::redraw()
{
    // Pixel for pixel on the screen, so that the matches are never scaled.
    const qreal ratio = devicePixelRatioF();
    drawing_ = QImage((QSizeF(contentsRect().size()) * ratio).toSize(), QImage::Format_RGB32);
    drawing_.setDevicePixelRatio(ratio);
    drawing_.fill(colour::desktop);
    rendered_.clear();
    settling_.changed();
}

void RowView::clear()
{
    wanted_.clear();
    settling_.changed();
}

void RowView::draw_match(double x, double y, MatchStyle style)
{
    auto pixels = [](double points) { return static_cast<int>(std::lround(points_to_pixels(points))); };
    wanted_.push_back({QPoint(pixels(x), pixels(y)), style});
    settling_.changed();
}

QPoint RowView::device(QPoint logical) const
{
    const qreal ratio = drawing_.devicePixelRatio();
    return QPoint(static_cast<int>(std::lround(logical.x() * ratio)), static_cast<int>(std::lround(logical.y() * ratio)));
}

// Only once the game has drawn the whole change does the row repaint, and
// readers hear of it.
void RowView::settle()
{
    const QRect area = render();
    const qreal ratio = drawing_.devicePixelRatio();
    const QRect logical = QRectF(QPointF(area.topLeft()) / ratio, QSizeF(area.size()) / ratio).toAlignedRect();
    update(logical.translated(contentsRect().topLeft()) & contentsRect());
    update_tab_stop();
}

const QImage &RowView::drawing()
{
    render();
    return drawing_;
}

// Most rows come out as they were, and most of a row that changed: only the
// matches that differ are rendered again. Returns what was, in device pixels.
QRect RowView::render()
{
    QRect area;
    for (std::size_t i = 0; i < std::max(rendered_.size(), wanted_.size()); ++i) {
        const bool was = i < rendered_.size(), is = i < wanted_.size();
        if (was && is && rendered_[i] == wanted_[i])
            continue;
        if (was)
            area |= images_.area(device(rendered_[i].at));
        if (is)
            area |= images_.area(device(wanted_[i].at));
    }
    area &= drawing_.rect();
    if (area.isEmpty())
        return area;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(drawing_.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, colour::desktop.rgb());
    }
    for (const Mark &mark : wanted_)
        images_.draw(drawing_, device(mark.at), mark.style, area);
    rendered_ = wanted_;
    return area;
}

// An empty row is no stop for Tab. The focus it held goes on to the next
// row in play, else where Tab would take it, so that it never stays on
// nothing (a message box hands it back to the window as it was).
void RowView::update_tab_stop()
{
    const bool in_play = matches_shown() > 0;
    setFocusPolicy(in_play ? Qt::TabFocus : Qt::NoFocus);
    if (in_play || window()->focusWidget() != this)
        return;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        auto *row = qobject_cast<RowView *>(w);
        if (row && row->matches_shown() > 0 && row->isVisibleTo(window())) {
            row->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    focusNextChild();
}

void RowView::paintEvent(QPaintEvent *event)
{
    render();  // the window may paint before the row has settled
    QStylePainter painter(this);
    painter.drawImage(contentsRect().topLeft(), drawing_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = colour::desktop;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
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

void RowView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up: emit keyed(RowKey::more); break;
    case Qt::Key_Left:
    case Qt::Key_Down: emit keyed(RowKey::fewer); break;
    case Qt::Key_Home: emit keyed(RowKey::none); break;
    case Qt::Key_End: emit keyed(RowKey::whole); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit confirmed(); break;
    default: QFrame::keyPressEvent(event); return;
    }
}

}  // namespace brastola::ui
