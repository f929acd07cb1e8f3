#pragma once

#include <QRadioButton>

namespace brastola::ui {

// An option button as classic windows have them: the whole box it is given
// takes a click, not only its circle and caption, and the selected button of
// its group is the group's one stop in the tab order.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString &caption, QWidget *parent);

protected:
    bool hitButton(const QPoint &pos) const override;
};

}  // namespace brastola::ui
