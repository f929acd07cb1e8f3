#include "row_view.h"

#include "classic.h"
#include "image_list.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace brastola::ui {

// A row is read as a slider: its value is the number of matches selected,
// from none to the whole row, and a reader may set it.
class RowAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit RowAccessible(RowView *row) : QAccessibleWidget(row, QAccessible::Slider) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return row()->name();
        case QAccessible::Description: return row()->description();
        case QAccessible::Value: return QString::number(row()->selected_shown());
        default: return QAccessibleWidget::text(t);
        }
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return row()->selected_shown(); }
    void setCurrentValue(const QVariant &value) override { emit row()->count_requested(value.toInt()); }
    QVariant maximumValue() const override { return row()->matches_shown(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    RowView *row() const { return static_cast<RowView *>(widget()); }
};

namespace {

QAccessibleInterface *row_accessible(const QString &class_name, QObject *object)
{
    if (class_name == QLatin1String(RowView::staticMetaObject.className()))
        return new RowAccessible(static_cast<RowView *>(object));
    return nullptr;
}

QString matches_text(int n)
{
    if (n == 0)
        return QStringLiteral("nessun fiammifero");
    return n == 1 ? QStringLiteral("1 fiammifero") : QStringLiteral("%1 fiammiferi").arg(n);
}

QString selected_text(int n)
{
    if (n == 0)
        return QStringLiteral("nessuno selezionato");
    return n == 1 ? QStringLiteral("1 selezionato") : QStringLiteral("%1 selezionati").arg(n);
}

}  // namespace

RowView::RowView(int row, const ImageList &images, QWidget *parent)
    : QFrame(parent), row_(row), images_(images), settling_(*this, [this] { settle(); })
{
    static const bool factory_installed = (QAccessible::installFactory(row_accessible), true);
    Q_UNUSED(factory_installed);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the keyboard brings the focus here: a click leaves it where it was.
    setFocusPolicy(Qt::TabFocus);
}

QString RowView::name() const
{
    return QStringLiteral("Riga %1").arg(row_);
}

int RowView::selected_shown() const
{
    return static_cast<int>(std::count_if(wanted_.begin(), wanted_.end(),
                                          [](const Mark &m) { return m.style == MatchStyle::selected; }));
}

QString RowView::description() const
{
    if (wanted_.empty())
        return matches_text(0);
    return matches_text(matches_shown()) + QStringLiteral(", ") + selected_text(selected_shown());
}

void RowView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
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
    // The place in logical pixels is the same at every ratio.
    const qreal ratio = drawing_.devicePixelRatio();
    auto device = [ratio](double points) {
        return static_cast<int>(std::lround(std::lround(points_to_pixels(points)) * ratio));
    };
    wanted_.push_back({QPoint(device(x), device(y)), style});
    settling_.changed();
}

// Only once the game has drawn the whole change does the row repaint, and
// readers hear of it.
void RowView::settle()
{
    const QRect area = render();
    const qreal ratio = drawing_.devicePixelRatio();
    const QRect logical = QRectF(QPointF(area.topLeft()) / ratio, QSizeF(area.size()) / ratio).toAlignedRect();
    update(logical.translated(contentsRect().topLeft()) & contentsRect());
    announce();
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
            area |= images_.area(rendered_[i].at);
        if (is)
            area |= images_.area(wanted_[i].at);
    }
    area &= drawing_.rect();
    if (area.isEmpty())
        return area;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(drawing_.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, colour::desktop.rgb());
    }
    for (const Mark &mark : wanted_)
        images_.draw(drawing_, mark.at, mark.style, area);
    rendered_ = wanted_;
    return area;
}

void RowView::announce()
{
    const QString now = description();
    if (now == announced_)
        return;
    announced_ = now;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleValueChangeEvent value(this, selected_shown());
    QAccessible::updateAccessibility(&value);
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
    case Qt::Key_Up: emit keyed(Game::RowKey::more); break;
    case Qt::Key_Left:
    case Qt::Key_Down: emit keyed(Game::RowKey::fewer); break;
    case Qt::Key_Home: emit keyed(Game::RowKey::none); break;
    case Qt::Key_End: emit keyed(Game::RowKey::whole); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit confirmed(); break;
    default: QFrame::keyPressEvent(event); return;
    }
}

}  // namespace brastola::ui
