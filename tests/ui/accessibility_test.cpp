// The game without sight: how rows, labels and pictures read, and what a
// screen reader is told as it happens.

#include "keyboard_player.h"
#include "message_closer.h"
#include "positions.h"
#include "row_slots.h"
#include "test_platform.h"
#include "window_test_main.h"

#include <QAccessible>
#include <QLabel>

using namespace brastola;
using namespace brastola::ui;
using brastola::testing::MessageCloser;

namespace {

// The accessibility events sent, as "object: event" lines; the sentences
// the announcer said, as a reader reads them when it is shown; and the
// values it changed to, as Windows readers are told them.
QStringList accessibility_events;
QStringList heard;
QStringList notified;
void record_accessibility(QAccessibleEvent *event)
{
    const QString name = event->object()->objectName();
    accessibility_events << QStringLiteral("%1: %2").arg(name).arg(event->type());
    if (name != QLatin1String("announcer"))
        return;
    if (event->type() == QAccessible::ObjectShow)
        heard << event->accessibleInterface()->text(QAccessible::Name);
    if (event->type() == QAccessible::ValueChanged) {
        // Qt makes a notification of a value that is text, and of no other.
        const QVariant value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
        notified << (value.typeId() == QMetaType::QString ? value.toString() : QStringLiteral("(not text)"));
    }
}

QString reading(QWidget *w, QAccessible::Text text = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(w)->text(text);
}

}  // namespace

class AccessibilityTest : public QObject, private testing::KeyboardPlayer {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(open_window());
        accessibility_events.clear();
        heard.clear();
        notified.clear();
        QAccessible::installUpdateHandler(record_accessibility);
        testing::start_listening();
    }
    void cleanup()
    {
        QAccessible::installUpdateHandler(nullptr);
        delete window;
    }

    // The player hears each selection once, with what it means; the rows
    // themselves say nothing as they change.
    void every_selection_is_heard_with_its_meaning()
    {
        for (int r = 1; r <= 5; ++r) {
            QAccessibleInterface *row_reading = QAccessible::queryAccessibleInterface(row(r));
            QCOMPARE(row_reading->text(QAccessible::Name), QStringLiteral("Riga %1").arg(r));
            QCOMPARE(row_reading->role(), QAccessible::Slider);
            QVERIFY(!row_reading->state().focusable);  // until it holds matches
        }
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(heard, QStringList{"Nuova partita: 7, 1, 3, 4 e 5 fiammiferi"});
        QVERIFY(QAccessible::queryAccessibleInterface(row(1))->state().focusable);

        row(1)->setFocus(Qt::TabFocusReason);
        accessibility_events.clear();
        const struct {
            Qt::Key key;
            int selected;
            const char *said;
        } keys[] = {
            {Qt::Key_Right, 1, "1 selezionato, ne resterebbero 6"},
            {Qt::Key_Up, 2, "2 selezionati, ne resterebbero 5"},
            {Qt::Key_Up, 3, "3 selezionati, ne resterebbero 4"},
            {Qt::Key_Down, 2, "2 selezionati, ne resterebbero 5"},
            {Qt::Key_Home, 0, "nessuno selezionato"},
            {Qt::Key_End, 7, "7 selezionati, non ne resterebbe nessuno"},
            {Qt::Key_Left, 6, "6 selezionati, ne resterebbe 1"},
        };
        for (const auto &k : keys) {
            heard.clear();
            key(k.key);
            QCOMPARE(window->state().selected[1], k.selected);
            QCOMPARE(heard, QStringList{k.said});
            QCOMPARE(reading(row(1), QAccessible::Value), QLatin1String(k.said));
        }
        auto *value = QAccessible::queryAccessibleInterface(row(1))->valueInterface();
        QCOMPARE(value->currentValue().toInt(), 6);
        QCOMPARE(value->maximumValue().toInt(), 7);
        const QString renamed = QStringLiteral("Label6: %1").arg(QAccessible::NameChanged);
        for (const QString &e : std::as_const(accessibility_events))
            QVERIFY2(e.startsWith(QLatin1String("announcer")) || e == renamed, qPrintable(e));

        // A click selects, and leaves the focus where it was.
        heard.clear();
        const QRect area = row(3)->contentsRect();
        const int x = static_cast<int>(brastola::testing::slot_middle(2, 3, area.width()));
        QTest::mouseClick(row(3), Qt::LeftButton, {}, area.topLeft() + QPoint(x, 40));
        QCoreApplication::processEvents();
        QCOMPARE(focus(), QStringLiteral("Picture1"));
        value->setCurrentValue(5);  // a reader may choose the count too
        QCOMPARE(window->state().selected, (brastola::testing::position({5, 0, 0, 0, 0})));
        QCoreApplication::processEvents();
        QCOMPARE(heard, (QStringList{"2 selezionati, ne resterebbe 1", "5 selezionati, ne resterebbero 2"}));
    }

    // The hint, a level from the menu and the computer's move are heard
    // wherever the focus is; a row that empties hands its focus on.
    void what_happens_is_heard_wherever_the_focus_is()
    {
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_F3, Qt::ControlModifier);
        key(Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(heard, (QStringList{"Nuova partita: 7, 1, 3, 4 e 5 fiammiferi",
                                     "Aiuto: togli 4 fiammiferi dalla riga 5", "Grado di difficoltà: Basso",
                                     "Grado di difficoltà: Alto"}));

        // Taking row 2 leaves 7, 0, 3, 4, 5, which the computer balances by
        // emptying row 5.
        QVERIFY(select_by_keys(2, 1));
        heard.clear();
        MessageCloser closer;
        key(Qt::Key_Return);
        QCOMPARE(heard, QStringList{"Il computer toglie 5 fiammiferi dalla riga 5: non ne resta nessuno"});
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Picture3"));
        QVERIFY(!QAccessible::queryAccessibleInterface(row(2))->state().focusable);
    }

    // A sentence said again is heard again: readers would keep quiet if
    // nothing told them it is new.
    void the_same_sentence_twice_is_heard_twice()
    {
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        row(1)->setFocus(Qt::TabFocusReason);
        heard.clear();
        for (int twice = 0; twice < 2; ++twice)
            key(Qt::Key_A, Qt::ControlModifier);
        for (int twice = 0; twice < 2; ++twice)
            key(Qt::Key_Home);
        const QString hint = QStringLiteral("Aiuto: togli 4 fiammiferi dalla riga 5");
        const QString none = QStringLiteral("nessuno selezionato");
        QCOMPARE(heard, (QStringList{hint, hint, none, none}));
    }

    // Windows readers hear nothing of a widget shown: every sentence also
    // leaves as the announcer's value changing to its text, once.
    void every_sentence_leaves_as_a_value_change_with_its_text()
    {
#ifndef Q_OS_WIN
        QSKIP("Readers on Linux hear the announcer shown; the value change is for Windows readers");
#endif
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_F3, Qt::ControlModifier);
        QVERIFY(select_by_keys(2, 1));
        MessageCloser closer;
        key(Qt::Key_Return);
        QCOMPARE(heard.size(), 6);  // the deal, the hint, the level, Home and Right on row 2, the move
        QCOMPARE(notified, heard);
    }

    void labels_and_pictures_are_read_for_what_they_mean()
    {
        services.script_deal({7, 1, 3, 4, 5});
        key(Qt::Key_N, Qt::ControlModifier);
        row(1)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_End);
        QAccessibleInterface *count = QAccessible::queryAccessibleInterface(find(QStringLiteral("Label1")));
        QAccessibleInterface *remaining = QAccessible::queryAccessibleInterface(find(QStringLiteral("Label6")));
        QCOMPARE(count->text(QAccessible::Name), QStringLiteral("Riga 1, 7 fiammiferi"));
        QCOMPARE(remaining->text(QAccessible::Name), QStringLiteral("Riga 1, non ne resterebbe nessuno"));
        QCOMPARE(reading(find(QStringLiteral("Label7"))), QString());
        // The row is named after its count label alone.
        const auto labelled = count->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first->object(), row(1));
        QVERIFY(remaining->relations().isEmpty());

        QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(find(QStringLiteral("Command3")));
        QCOMPARE(ok->role(), QAccessible::Button);
        QCOMPARE(ok->text(QAccessible::Name), QStringLiteral("OK"));

        // Every object a reader can reach in the window, the hidden holders
        // of the pictures nowhere among them.
        QStringList names;
        std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
            names << node->object()->objectName();
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(window));
        for (const char *name : {"Picture1", "Label1", "Label6", "Command3", "Option2", "Picture6"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
        for (const QString &name : names)
            QVERIFY2(!name.startsWith(QLatin1String("fia")), qPrintable(name));
    }

    // Five single matches: taking one a turn, whoever moves first takes the
    // last. The picture that covers the board says what it shows.
    void the_end_of_game_picture_says_what_it_shows()
    {
        QAccessibleInterface *end = QAccessible::queryAccessibleInterface(find(QStringLiteral("Picture6")));
        MessageCloser closer;
        QStringList shown;
        closer.open = [&](const QString &text) {
            if (text.startsWith(QLatin1String("HAI")))
                shown << end->text(QAccessible::Name);
        };
        services.during_pause = [&] {
            if (find(QStringLiteral("Picture6"))->isVisible())
                shown << end->text(QAccessible::Name);
        };
        auto play_out = [&](bool computer_first) {
            QVERIFY(take_keys());
            services.script_deal({1, 1, 1, 1, 1});
            key(Qt::Key_N, Qt::ControlModifier);
            if (computer_first) {
                QVERIFY(select_by_keys(1, 0));
                key(Qt::Key_Return);
            }
            for (int r = 1; r <= 5 && window->state().matches.sum() > 0; ++r)
                if (window->state().matches[r] > 0 && select_by_keys(r, 1))
                    key(Qt::Key_Return);
        };
        play_out(false);
        QCOMPARE(shown, QStringList{"Il computer, triste"});
        shown.clear();
        play_out(true);
        QCOMPARE(shown, (QStringList{"Il computer che sogghigna", "Il computer che fa la linguaccia",
                                     "Il computer che sogghigna", "Il computer che fa la linguaccia"}));
    }
};

BRASTOLA_WINDOW_TEST_MAIN(AccessibilityTest)

#include "accessibility_test.moc"
