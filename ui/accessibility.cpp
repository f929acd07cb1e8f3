#include "accessibility.h"

#include "game_state.h"
#include "row_view.h"

#include <QAccessibleWidget>

namespace brastola::ui {

namespace {

// A row is read as a slider: its value is the number of matches selected,
// from none to the whole row, and a reader may set it.
class RowAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit RowAccessible(RowView *row) : QAccessibleWidget(row, QAccessible::Slider) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return row_name(row()->row());
        case QAccessible::Description: return row_description(row()->matches_shown(), row()->selected_shown());
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

void install_row_reading()
{
    static const bool installed = (QAccessible::installFactory(row_accessible), true);
    Q_UNUSED(installed);
}

QString row_name(int row)
{
    return QStringLiteral("Riga %1").arg(row);
}

QString row_description(int matches, int selected)
{
    if (matches == 0)
        return matches_text(0);
    return matches_text(matches) + QStringLiteral(", ") + selected_text(selected);
}

QString label_reading(Control label, const QString &text)
{
    const QString number = text.trimmed();
    for (int r = 1; r <= row_total; ++r) {
        if (label == count_label(r))
            return QStringLiteral("Riga %1, fiammiferi: %2").arg(r).arg(number);
        if (label == remaining_label(r) && !number.isEmpty())
            return QStringLiteral("Riga %1, ne resterebbero: %2").arg(r).arg(number);
    }
    return {};
}

QString picture_description(Control holder)
{
    switch (holder) {
    case Control::fia: return QStringLiteral("Un fiammifero");
    case Control::fia_v: return QStringLiteral("Il computer, triste");
    case Control::fia_p: return QStringLiteral("Il computer che fa la linguaccia");
    case Control::fia_p0: return QStringLiteral("Il computer che sogghigna");
    default: return {};
    }
}

}  // namespace brastola::ui
