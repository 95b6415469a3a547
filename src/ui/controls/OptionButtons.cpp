#include "ui/controls/OptionButtons.h"

#include <QRadioButton>

namespace {

void keepTabOn(QRadioButton* selected)
{
    for (QRadioButton* option : selected->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        option->setFocusPolicy(option == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

void SelectOption(QRadioButton* button)
{
    if (button->isChecked()) {
        emit button->toggled(true);
        return;
    }
    button->setChecked(true);
}

void KeepTabOnSelectedOptions(QWidget* window)
{
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        QObject::connect(option, &QRadioButton::toggled, option, [option](bool on) {
            if (on)
                keepTabOn(option);
        });
        if (option->isChecked())
            keepTabOn(option);
    }
}
