#pragma once

#include <QWidget>

class QLabel;

namespace brastola::ui {

// The about window: name, version, motto, credits and a warning. Not modal.
class Form2 : public QWidget {
    Q_OBJECT

public:
    Form2();

private:
    void Form_Load();
    void Command1_Click();

    QLabel *version_;  // Lblversion
    QLabel *title_;    // Lbltitle
};

}  // namespace brastola::ui
