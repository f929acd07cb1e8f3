#pragma once

#include <QWidget>

namespace brastola::ui {

class Exchange;

// The rules of the game: six headed paragraphs on a pale yellow page and an
// OK button. Not modal, so the game goes on while it is open.
class Form3 : public QWidget {
    Q_OBJECT

public:
    // exchange: the main window's, which OK obeys; none for rules shown alone.
    explicit Form3(Exchange *exchange = nullptr);

private:
    void Command1_Click();
};

}  // namespace brastola::ui
