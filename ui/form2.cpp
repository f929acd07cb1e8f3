#include "form2.h"

#include "classic.h"
#include "controls.h"
#include "exchange.h"
#include "pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brastola::ui {

namespace {

const QString app_title = QStringLiteral("Brastola");

// A label whose width follows its text, so a wider stand-in font never cuts it.
QLabel *make_fitted_label(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                          const QFont &font = classic_font())
{
    QLabel *label = make_label(parent, name, text, geometry, font);
    label->resize(label->sizeHint().width(), label->height());
    return label;
}

QFrame *make_line(QWidget *parent, const char *name, const QRect &geometry, const QColor &colour)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette pen = line->palette();
    pen.setColor(QPalette::Window, colour);
    line->setPalette(pen);
    return line;
}

}  // namespace

Form2::Form2(QWidget *main_window, Exchange *exchange) : main_window_(main_window)
{
    make_tool_window(*this, QStringLiteral("Form2"), QStringLiteral("Informazioni su ") + app_title,
                     twips_rect(2736, 2232, 4908, 3084));

    // The button comes first so that it is first in the tab order.
    QPushButton *ok = make_button(this, "Command1", QStringLiteral("OK"), twips_rect(3600, 2280, 1092, 372));
    ok->setFocus();
    on_click(exchange, ok, [this] { Command1_Click(); });

    QLabel *name =
        make_fitted_label(this, "Label1", app_title, twips_rect(840, 120, 2580, 348), classic_font(13.8));
    make_picture(this, "Picture2", app_icon_pixmap, {twips(120), twips(360)});
    version_ = make_label(this, "Lblversion", {}, twips_rect(840, 480, 1332, 252));
    name->setBuddy(version_);  // read together: a reader skips a short line alone
    title_ = make_label(this, "Lbltitle", {}, twips_rect(840, 720, 1332, 252));
    make_fitted_label(this, "Label2", QStringLiteral("Vince chi toglie l'ultimo fiammifero !!!"),
                      twips_rect(840, 1080, 2532, 192));
    make_fitted_label(this, "Label3", QStringLiteral("Un gioco del Nim con i fiammiferi"),
                      twips_rect(840, 1320, 2172, 192));
    make_fitted_label(this, "Label4", QStringLiteral("© 2026 gli autori di Brastola"),
                      twips_rect(840, 1560, 1164, 192));
    // An etched groove: a 3-pixel light line centred on 1824 twips, its top
    // pixel covered by a 1-pixel shadow line.
    make_line(this, "Line1", QRect(twips(240), twips(1824) - 1, twips(3360 - 240), 3), colour::light_3d);
    make_line(this, "Line2", QRect(twips(240), twips(1812), twips(3360 - 240), 1), colour::shadow_3d);
    make_fitted_label(this, "Label5", QStringLiteral("Stai attento a quello che fai!"),
                      twips_rect(360, 1920, 2436, 240), classic_font(9.6));
    make_picture(this, "Picture1", crossed_matches, {twips(3720), twips(120)});

    Form_Load();
}

void Form2::Form_Load()
{
    version_->setText(QStringLiteral("Versione %1.%2.%3")
                      .arg(BRASTOLA_VERSION_MAJOR)
                      .arg(BRASTOLA_VERSION_MINOR)
                      .arg(BRASTOLA_VERSION_PATCH));
    title_->setText(app_title);
}

void Form2::Command1_Click()
{
    close();
    // A main window that was closed is gone and must not come back.
    if (main_window_ && main_window_->isVisible())
        main_window_->repaint();
}

}  // namespace brastola::ui
