#include "classic.h"

#include "pictures.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

#include <cmath>

namespace brastola::ui {

QRect twips_rect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QFont classic_font(double points, bool bold, bool italic)
{
    QFont font;
    // Liberation Sans has the metrics of Arial, close to MS Sans Serif's;
    // the wider DejaVu Sans would not fit the captions in their boxes.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points_to_pixels(points))));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void apply_classic_look(QApplication &app)
{
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);

    QPalette palette;
    palette.setColor(QPalette::Window, colour::button_face);
    palette.setColor(QPalette::Button, colour::button_face);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Light, colour::light_3d);
    palette.setColor(QPalette::Midlight, colour::button_face);
    palette.setColor(QPalette::Mid, colour::shadow_3d);
    palette.setColor(QPalette::Dark, colour::shadow_3d);
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, colour::highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, colour::tooltip_background);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colour::shadow_3d);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, colour::shadow_3d);
    palette.setColor(QPalette::Disabled, QPalette::Text, colour::shadow_3d);
    app.setPalette(palette);
    app.setFont(classic_font());
}

void make_tool_window(QWidget &window, const QString &name, const QString &title, const QRect &client)
{
    window.setObjectName(name);
    window.setWindowTitle(title);
    window.setWindowIcon(app_icon());
    window.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Tool windows do not keep the program running by default.
    window.setAttribute(Qt::WA_QuitOnClose);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setGeometry(client);
    window.setFixedSize(client.size());
}

}  // namespace brastola::ui
