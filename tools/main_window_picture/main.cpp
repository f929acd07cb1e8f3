// Renders the main window during a game, the grinning computer standing over
// the rows of matches, into a PNG at a device pixel ratio (1 or 2): the start
// window's background drawn for that ratio shows it reduced.
//   main_window_picture <device pixel ratio> <output.png>
// Every machine with the project's dependencies renders the same picture:
// the program sets its own platform, scale factor and fonts (fonts.conf).

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
    if (argc != 3) {
        std::fprintf(stderr, "usage: main_window_picture <device pixel ratio> <output.png>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", argv[1]);
    qputenv("FONTCONFIG_FILE", FONTS_CONF);
    for (const char *setting : {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_FONT_DPI", "QT_SCREEN_SCALE_FACTORS",
                                "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI"})
        qunsetenv(setting);
    QApplication app(argc, argv);
    ui::apply_classic_look(app);
    FixedServices services;
    ui::Form1 window({&services, &services});
    window.show();
    window.findChild<QAction *>(QStringLiteral("menu1_1"))->trigger();
    // Shown as on a screen: the window active, "Nuova partita" with the focus.
    QCoreApplication::processEvents();
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

    if (!picture.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "main_window_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
