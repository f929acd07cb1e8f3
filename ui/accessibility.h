#pragma once

// What screen readers are told about the main window: how a row reads, what
// the labels beside it and the end-of-game picture mean.

#include "platform.h"

#include <QString>

namespace brastola::ui {

// Rows read as sliders from then on; called by every row, acts once.
void install_row_reading();

// "Riga 2".
QString row_name(int row);
// "7 fiammiferi, 3 selezionati".
QString row_description(int matches, int selected);

// A count label is read with its row, so that a reader does not announce a
// bare number: "Riga 2, fiammiferi: 7", "Riga 2, ne resterebbero: 4".
QString label_reading(Control label, const QString &text);

// What the picture of a holder shows, for those who cannot see it.
QString picture_description(Control holder);

}  // namespace brastola::ui
