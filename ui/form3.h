#pragma once

#include <QWidget>

namespace brastola::ui {

// The rules of the game: six headed paragraphs on a pale yellow page and an
// OK button. Not modal, so the game goes on while it is open.
class Form3 : public QWidget {
    Q_OBJECT

public:
    Form3();

private:
    void Command1_Click();
};

}  // namespace brastola::ui
