#include "controls.h"

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

QLabel *make_picture(QWidget *parent, const char *name, const QPixmap &picture, QPoint at)
{
    QLabel *box = make_label(parent, name, {}, QRect(at, picture.deviceIndependentSize().toSize()));
    box->setPixmap(picture);
    return box;
}

}  // namespace brastola::ui
