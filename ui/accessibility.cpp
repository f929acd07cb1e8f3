#include "accessibility.h"

#include "form2.h"
#include "form3.h"
#include "row_view.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace brastola::ui {

namespace {

QString matches_text(int n)
{
    if (n == 0)
        return QStringLiteral("nessun fiammifero");
    return n == 1 ? QStringLiteral("1 fiammifero") : QStringLiteral("%1 fiammiferi").arg(n);
}

// What a row keeps, "ne restano 3", or would keep, "ne resterebbero 3".
QString left_text(int n, bool would)
{
    if (n == 0)
        return would ? QStringLiteral("non ne resterebbe nessuno") : QStringLiteral("non ne resta nessuno");
    if (n == 1)
        return would ? QStringLiteral("ne resterebbe 1") : QStringLiteral("ne resta 1");
    return (would ? QStringLiteral("ne resterebbero %1") : QStringLiteral("ne restano %1")).arg(n);
}

QString level_name(int level)
{
    switch (level) {
    case 1: return QStringLiteral("Alto");
    case 2: return QStringLiteral("Moderato");
    default: return QStringLiteral("Basso");
    }
}

// "4, 11, 3, 4 e 4 fiammiferi": the rows in play from the top.
QString deal_text(const GameState &state)
{
    const int rows = state.row_count == 3 ? 3 : row_total;
    QStringList counts;
    for (int r = 1; r <= rows; ++r)
        counts << QString::number(state.matches[r]);
    const QString last = counts.takeLast();
    return counts.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last + QStringLiteral(" fiammiferi");
}

// A row is read as a slider: its value is the number of matches selected,
// from none to the whole row, and a reader may set it. Its name stays
// "Riga n" and it has no description: its count is read from its label.
class RowAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit RowAccessible(RowView *row) : QAccessibleWidget(row, QAccessible::Slider) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return row_name(row()->row());
        case QAccessible::Value: return selection_reading(row()->selected_shown(), row()->matches_shown());
        case QAccessible::Description: return {};  // not the tooltip on every row
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

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer *announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer *>(widget())->sentence() : QString();
    }
};

// The rules and about windows read as dialogs: a reader says their text when
// they open, label by label. It leaves out the labels tied to another
// control: the description holds those, each with the text it is tied to
// (the rules, heading and paragraph).
class TextWindowAccessible : public QAccessibleWidget {
public:
    explicit TextWindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Dialog) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        QList<QLabel *> labels = widget()->findChildren<QLabel *>();
        std::sort(labels.begin(), labels.end(), [](const QLabel *a, const QLabel *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QStringList lines;
        for (const QLabel *label : labels)
            if (const auto *tied = qobject_cast<const QLabel *>(label->buddy()))
                lines << label->text() + QLatin1Char(' ') + tied->text();
        return lines.join(QLatin1Char(' '));
    }
};

QAccessibleInterface *make_accessible(const QString &class_name, QObject *object)
{
    auto is = [&class_name](const QMetaObject &meta) { return class_name == QLatin1String(meta.className()); };
    if (is(RowView::staticMetaObject))
        return new RowAccessible(static_cast<RowView *>(object));
    if (is(Announcer::staticMetaObject))
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
    if (is(Form2::staticMetaObject) || is(Form3::staticMetaObject))
        return new TextWindowAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// Readers say "notifica" before a notification, unless it stands in a status
// bar.
QWidget *status_bar(QWidget *parent)
{
    auto *bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("status_bar"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry({});
    return bar;
}

}  // namespace

void install_readings()
{
    QAccessible::installFactory(make_accessible);
}

QString row_name(int row)
{
    return QStringLiteral("Riga %1").arg(row);
}

QString selection_reading(int selected, int matches)
{
    if (selected == 0)
        return QStringLiteral("nessuno selezionato");
    const QString count =
        selected == 1 ? QStringLiteral("1 selezionato") : QStringLiteral("%1 selezionati").arg(selected);
    return count + QStringLiteral(", ") + left_text(matches - selected, true);
}

QString label_reading(Control label, const QString &text)
{
    const QString number = text.trimmed();
    if (number.isEmpty())
        return {};
    for (int r = 1; r <= row_total; ++r) {
        if (label == count_label(r))
            return row_name(r) + QStringLiteral(", ") + matches_text(number.toInt());
        if (label == remaining_label(r))
            return row_name(r) + QStringLiteral(", ") + left_text(number.toInt(), true);
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

QString announcement(const Notice &notice, const GameState &state)
{
    const QString taken = matches_text(notice.count);
    switch (notice.kind) {
    case Notice::Kind::dealt: return QStringLiteral("Nuova partita: ") + deal_text(state);
    case Notice::Kind::selection: return selection_reading(notice.count, state.matches[notice.row]);
    case Notice::Kind::hint: return QStringLiteral("Aiuto: togli %1 dalla riga %2").arg(taken).arg(notice.row);
    case Notice::Kind::computer_move:
        return QStringLiteral("Il computer toglie %1 dalla riga %2: %3")
            .arg(taken)
            .arg(notice.row)
            .arg(left_text(state.matches[notice.row], false));
    case Notice::Kind::level: return QStringLiteral("Grado di difficoltà: ") + level_name(state.level);
    }
    return {};
}

Announcer::Announcer(QWidget *parent) : QWidget(status_bar(parent))
{
    setObjectName(QStringLiteral("announcer"));
    setGeometry({});
    hide();  // until the first sentence
}

void Announcer::say(const QString &sentence)
{
    sentence_ = sentence;
    if (!pending_) {
        pending_ = true;
        QMetaObject::invokeMethod(this, &Announcer::show_sentence, Qt::QueuedConnection);
    }
}

void Announcer::show_sentence()
{
    pending_ = false;
    // Readers keep the names they have read: drop the old sentence first.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    hide();
    show();
#ifdef Q_OS_WIN
    // Windows readers are told nothing of a widget shown. A value change
    // carrying text is what Qt hands them as a notification to speak
    // (UI Automation's UiaRaiseNotificationEvent). Linux's bridge drops it,
    // with a warning, for an object that has no value.
    QAccessibleValueChangeEvent said(this, sentence_);
    QAccessible::updateAccessibility(&said);
#endif
}

}  // namespace brastola::ui
