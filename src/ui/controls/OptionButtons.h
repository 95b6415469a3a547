#pragma once

class QRadioButton;
class QWidget;

// Option buttons as the form uses them.

// Selects `button`; selecting the selected button again still runs its
// reaction, as its group's handlers expect.
void SelectOption(QRadioButton* button);

// Tabbing into an option group of `window` lands on its selected button, now
// and whenever the selection changes.
void KeepTabOnSelectedOptions(QWidget* window);
