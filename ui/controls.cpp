#include "controls.h"

#include "pixel_ratio.h"

#include <QLabel>
#include <QPushButton>

namespace brastola::ui {

QLabel *make_label(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                   const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *make_button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                         const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAutoDefault(true);
    return button;
}

QLabel *make_picture(QWidget *parent, const char *name, PictureLoader picture, QPoint at)
{
    const QPixmap drawn = picture(parent->devicePixelRatioF());
    QLabel *box = make_label(parent, name, {}, QRect(at, drawn.deviceIndependentSize().toSize()));
    box->setPixmap(drawn);
    follow_pixel_ratio(*box, [box, picture](qreal ratio) { box->setPixmap(picture(ratio)); });
    return box;
}

}  // namespace brastola::ui
