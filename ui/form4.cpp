#include "form4.h"

#include "classic.h"
#include "controls.h"
#include "form1.h"
#include "pictures.h"
#include "pixel_ratio.h"
#include "placement.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace brastola::ui {

Form4::Form4(Services services) : services_(services), background_(start_background(devicePixelRatioF()))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Brastola"));
    setWindowIcon(app_icon());
    // A tool window keeps out of the task bar.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // It is the only window at start: closing it (Alt+F4) must end the
    // program, which a tool window would not do by default.
    setAttribute(Qt::WA_QuitOnClose);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(5364), twips(3996));
    // Without a frame the window's place is known before it is shown: a
    // place off the screen is never asked for, which a window manager may
    // answer with a position Qt never hears of.
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->geometry());
    setGeometry(QRect(frame_position(centred, screen()->availableGeometry()), size()));
    keep_on_screen(*this);
    follow_pixel_ratio(*this, [this](qreal ratio) {
        background_ = start_background(ratio);
        update();
    });

    QPushButton *proceed =
        make_button(this, "Command1", QStringLiteral("Conti&nua"), twips_rect(720, 3000, 972, 372));
    proceed->setFocus();
    connect(proceed, &QPushButton::clicked, this, &Form4::Command1_Click);

    make_picture(this, "Picture1", crossed_matches, {twips(840), twips(960)});

    QLabel *title = make_label(this, "Label1", QStringLiteral("Brastola"), twips_rect(1320, 480, 2652, 372),
                               classic_font(12, true));
    title->setAutoFillBackground(true);

    QLabel *icon = make_picture(this, "Picture2", app_icon_pixmap, {});
    icon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    icon->setAutoFillBackground(true);  // the icon is transparent: grey shows through
    icon->setGeometry(twips_rect(720, 480, 432, 432));  // the picture and its border
}

void Form4::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour::light_3d);
    painter.drawPixmap(0, 0, background_);
}

void Form4::Command1_Click()
{
    auto *main_window = new Form1(services_);
    main_window->show();
    main_window->activateWindow();
    close();
}

Form4 *open_start_window(QApplication &app)
{
    apply_classic_look(app);
    QApplication::setWindowIcon(app_icon());
    auto *start = new Form4;
    start->show();
    start->activateWindow();
    return start;
}

}  // namespace brastola::ui
