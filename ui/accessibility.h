#pragma once

// What screen readers are told: how a row reads, what the labels beside it
// and the end-of-game picture mean, how the rules and about windows read, and
// what happens in the game, said as it happens.
//
// Written for Orca through Qt 6.4's AT-SPI bridge, which sends the name and
// description change events without the new text: Orca then reads out the
// object itself ("bad content") for the object it is on, and keeps its old
// copy of the text otherwise. So what changes is never the focused object's
// own name or description: a row reads its count through its count label,
// and everything the player must hear as it happens is said by an Announcer.

#include "game_state.h"
#include "platform.h"

#include <QString>
#include <QWidget>

namespace brastola::ui {

// Rows, the announcer and the windows of text read as described here from
// then on: called once where the program starts, before any window is made.
void install_readings();

// "Riga 2".
QString row_name(int row);
// What a row's selection means: "3 selezionati, ne resterebbero 4".
QString selection_reading(int selected, int matches);

// A label beside a row is read with its row, so that a reader does not
// announce a bare number: "Riga 2, 7 fiammiferi", "Riga 2, ne resterebbero
// 4"; empty when the label is.
QString label_reading(Control label, const QString &text);

// What the picture of a holder shows, for those who cannot see it.
QString picture_description(Control holder);

// The sentence a notice is said in, with what the state holds once it is
// told: "Il computer toglie 6 fiammiferi dalla riga 4: ne restano 3".
QString announcement(const Notice &notice, const GameState &state);

// Says sentences to screen readers and shows nothing: a widget of no size
// that reads as a notification and is shown anew for every sentence, in a
// status bar of no size (Orca speaks a notification that is shown, wherever
// its focus is, and leaves out the word "notifica" in a status bar). On
// Windows each sentence also goes out as the widget's value changing to it,
// which Qt turns into a notification for UI Automation's readers.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    // Said once the event loop next runs, after the rows have settled and
    // the focus has left any row that emptied: the sentence is what the
    // player hears last. A later sentence before then replaces it.
    void say(const QString &sentence);
    // The last sentence said.
    const QString &sentence() const { return sentence_; }

private:
    void show_sentence();

    QString sentence_;
    bool pending_ = false;
};

}  // namespace brastola::ui
