#include "classic.h"

#include "maximise.h"
#include "pictures.h"
#include "placement.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QGridLayout>
#include <QMessageBox>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
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

void make_classic(QMessageBox &box)
{
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    text->setAlignment(Qt::AlignCenter);
    box.findChild<QDialogButtonBox *>()->setCenterButtons(true);
    // Qt indents the text where an icon would stand; without one, the
    // margins are even.
    auto *grid = static_cast<QGridLayout *>(box.layout());
    for (int i = 0; i < grid->count(); ++i)
        if (QSpacerItem *indent = grid->itemAt(i)->spacerItem())
            indent->changeSize(0, 0);
    grid->setHorizontalSpacing(0);

    // The title bar holds the icon, the caption in a bold face and the close
    // box, and some window managers add minimise and maximise boxes whatever
    // the window asks for: a box that a short text makes narrow would cut
    // the caption down to an ellipsis. Each box is about as wide as the bar
    // is high; with the room between them and around the caption, the bar
    // needs the caption and about eight boxes.
    QFont title_font = box.font();
    title_font.setBold(true);
    const int bar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int title_width = QFontMetrics(title_font).horizontalAdvance(box.windowTitle()) + 8 * bar;
    const QMargins margins = box.layout()->contentsMargins();
    const int text_width = text->fontMetrics().horizontalAdvance(text->text());
    text->setMinimumWidth(std::max(text_width, title_width - margins.left() - margins.right()));
    take_maximised_size(box);
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
    keep_on_screen(window);
    take_maximised_size(window);
}

}  // namespace brastola::ui
