// Renders the main window during a game, the grinning computer standing over
// the rows of matches, into a PNG: the start window's background shows it
// reduced. Run with QT_SCALE_FACTOR=2 it renders the window at a device pixel
// ratio of 2, for the start background drawn for that ratio.
//   main_window_picture <output.png>

#include "classic.h"
#include "form1.h"
#include "pictures.h"

#include <QAction>
#include <QApplication>
#include <QPainter>

#include <cstdio>
#include <random>

using namespace brastola;

namespace {

// Fixed time and chance, so the picture shows the same deal every time.
class FixedServices : public Clock, public RandomSource {
public:
    double seconds_since_midnight() override { return 12 * 3600.0; }
    void pause(double) override {}
    void reseed(double) override { engine_.seed(7); }
    float next() override { return static_cast<float>(engine_() >> 8) / 16777216.0f; }

private:
    std::mt19937 engine_;
};

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: main_window_picture <output.png>\n");
        return 2;
    }
    QApplication app(argc, argv);
    ui::apply_classic_look(app);
    FixedServices services;
    ui::Form1 window({&services, &services});
    window.show();
    window.findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();
    QImage picture = window.grab().toImage();

    // The end picture would hide the rows: the computer, as drawn for the
    // window's device pixel ratio, is shown smaller, without its grey ground,
    // so that both show.
    const qreal ratio = picture.devicePixelRatio();
    QImage grin = ui::computer_grin(ratio).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grin.height(); ++y)
        for (int x = 0; x < grin.width(); ++x)
            if (grin.pixelColor(x, y) == ui::colour::scroll_bar)
                grin.setPixel(x, y, qRgba(0, 0, 0, 0));
    grin = grin.scaled(QSize(260, 260) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    grin.setDevicePixelRatio(ratio);
    const QRect board = window.findChild<QWidget *>(QStringLiteral("Picture6"))->geometry();
    const QPoint client = window.centralWidget()->pos();
    QPainter painter(&picture);
    const QRect logical_grin(QPoint(), grin.size() / ratio);
    painter.drawImage(client + board.center() - logical_grin.center(), grin);
    painter.end();

    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "main_window_picture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
