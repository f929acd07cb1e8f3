#pragma once

#include "services.h"

#include <QPixmap>
#include <QWidget>

class QApplication;

namespace brastola::ui {

// The title card shown when the program starts; "Conti&nua" opens the main
// window and closes this one for good.
class Form4 : public QWidget {
    Q_OBJECT

public:
    explicit Form4(Services services = system_services());

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Command1_Click();

    Services services_;
    QPixmap background_;
};

// Starts the program on the application: the classic look, the icon, and the
// start window shown alone. The start window deletes itself when it closes.
Form4 *open_start_window(QApplication &app);

}  // namespace brastola::ui
