// The windows on a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2, see
// CMakeLists.txt): every picture is the one drawn for that ratio, shown
// pixel for pixel.

#include "classic.h"
#include "form1.h"
#include "form4.h"
#include "message_closer.h"
#include "pictures.h"
#include "row_view.h"
#include "scripted_services.h"
#include "window_test_main.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace brastola::ui;

namespace {

// Every pixel of `picture` that is not `transparent` shows unchanged in
// `shown` with its top-left corner at `at`; returns the first that does not.
QString differences(const QImage &shown, const QImage &picture, QPoint at, QRgb transparent)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want = picture.pixel(x, y);
            if (want != transparent && shown.pixel(at + QPoint(x, y)) != want)
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
        }
    return {};
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void rows_draw_the_match_drawn_for_the_ratio()
    {
        brastola::testing::ScriptedServices services;
        Form1 window(services.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        services.script_deal({3, 22, 1, 1, 1});
        window.findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();

        const QImage match = match_image(2).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(match.size(), QSize(18, 156));
        auto *row = window.findChild<RowView *>(QStringLiteral("Picture2"));
        const QImage shown = row->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), row->size() * 2);
        // Match i stands (22.5 - i) × 15 logical pixels into the drawing
        // area, inside a 2-pixel border: twice as many device pixels.
        for (int i : {1, 2, 11, 21, 22}) {
            const QPoint at = 2 * QPoint(2 + static_cast<int>(std::lround((22.5 - i) * 15)), 2);
            const QString diff = differences(shown, match, at, qRgb(255, 255, 255));
            QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("match %1: %2").arg(i).arg(diff)));
        }
    }

    void pictures_come_drawn_for_the_ratio()
    {
        brastola::testing::ScriptedServices services;
        Form1 window(services.services());
        auto *end = window.findChild<QLabel *>(QStringLiteral("Picture6"));
        QCOMPARE(end->pixmap().devicePixelRatio(), 2.0);
        brastola::testing::MessageCloser closer;
        QImage at_win;
        closer.open = [&](const QString &text) {
            if (text == QLatin1String("HAI VINTO !!!"))
                at_win = end->pixmap().toImage();
        };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        services.script_deal({1, 1, 1, 1, 1});
        window.findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();
        auto *ok = window.findChild<QWidget *>(QStringLiteral("Command3"));
        // One match a turn, the player first: the player takes the last.
        while (window.state().matches.sum() > 0 && closer.texts.size() < 10) {
            int r = 1;
            while (window.state().matches[r] == 0)
                ++r;
            auto *row = window.findChild<RowView *>(QStringLiteral("Picture%1").arg(r));
            QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() - 4, 40));
            QTest::mouseClick(ok, Qt::LeftButton);
        }
        QVERIFY(at_win == computer_sad(2).toImage());

        Form4 start;
        start.show();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        const QImage shown = start.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage background = start_background(2).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(background.size(), QSize(896, 670));
        // The right part, where no control stands, is the background itself.
        const QRect free_part(500, 200, 380, 400);
        QVERIFY(shown.copy(free_part) == background.copy(free_part));
        auto *matches = start.findChild<QLabel *>(QStringLiteral("Picture1"));
        QVERIFY(matches->pixmap().toImage() == crossed_matches(2).toImage());
    }
};

BRASTOLA_WINDOW_TEST_MAIN(HiDpiTest)

#include "hidpi_test.moc"
