#pragma once

// Answers every message box the moment it is on the screen, with Return
// pressed on its window as a player would, and keeps its text.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace brastola::testing {

class MessageCloser : public QObject {
public:
    QStringList texts;
    bool all_plain = true;  // each captioned "Brastola", modal, no icon, an OK button alone
    std::function<void(const QString &)> open;      // while the box is on the screen
    std::function<void(const QString &)> answered;  // right after Return

    MessageCloser() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *box = qobject_cast<QMessageBox *>(target))
                QTimer::singleShot(0, this, [this, box = QPointer<QMessageBox>(box)] { answer(box); });
        return false;
    }

private:
    void answer(QMessageBox *box)
    {
        if (!box)
            return;
        const QString text = box->text();
        texts << text;
        all_plain = all_plain && box->windowTitle() == QLatin1String("Brastola") && box->isModal()
                    && box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1
                    && box->button(QMessageBox::Ok);
        if (open)
            open(text);
        // To the box's focus, where its window would pass the key on. Sent to
        // the window, QTest would process events in a nested loop, which on
        // Windows takes the wake-up meant for the box's own loop: the box
        // would close and its exec() never return.
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
        if (answered)
            answered(text);
    }
};

}  // namespace brastola::testing
