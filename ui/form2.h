#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace brastola::ui {

class Exchange;

// The about window: name, version, motto, credits and a warning. Not modal.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // main_window: repainted by OK while it is on the screen; exchange: its,
    // which OK obeys; none for an about window shown alone.
    explicit Form2(QWidget *main_window = nullptr, Exchange *exchange = nullptr);

private:
    void Form_Load();
    void Command1_Click();

    QPointer<QWidget> main_window_;
    QLabel *version_;  // Lblversion
    QLabel *title_;    // Lbltitle
};

}  // namespace brastola::ui
