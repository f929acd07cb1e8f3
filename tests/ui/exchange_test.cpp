// While the game holds the thread no channel, a screen reader's included, reaches
// the game or changes a control; at rest all do, unless their menu is disabled.

#include "main_window.h"

#include <QAction>

using namespace brastola;
using namespace brastola::ui;

class ExchangeTest : public QObject, private testing::MainWindow {
    Q_OBJECT

private slots:
    void init() { QVERIFY(open_window()); }
    void cleanup() { delete window; }

    // Only a handler that waited drops the input queued behind it: keys typed
    // fast on a row all count.
    void input_queued_behind_a_quick_handler_is_taken()
    {
        services.script_deal({7, 1, 1, 1, 1});
        find<QAction>(QStringLiteral("menu1_1"))->trigger();
        QWidget *row = find(QStringLiteral("Picture1"));
        row->setFocus();
        for (int i = 0; i < 3; ++i)
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(row, new QKeyEvent(type, Qt::Key_Right, Qt::NoModifier));
        QCoreApplication::processEvents();
        QCOMPARE(window->state().selected[1], 3);
    }
};

QTEST_MAIN(ExchangeTest)

#include "exchange_test.moc"
