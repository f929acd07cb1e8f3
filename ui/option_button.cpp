#include "option_button.h"

namespace brastola::ui {

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
    // Qt keeps the tab stop on whichever button of the group last had the
    // focus, the first one until then; it follows the selection here.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        for (OptionButton *button : parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly))
            button->setFocusPolicy(button == this ? Qt::StrongFocus : Qt::ClickFocus);
    });
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

}  // namespace brastola::ui
