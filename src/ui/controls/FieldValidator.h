#pragma once

#include "model/InputRules.h"

#include <QValidator>

class QLineEdit;

// Holds a text box to its rule whatever way text reaches it: typing, the
// paste keys, the context menu's Paste, the middle button, a drop or an input
// method all edit the box through its validator. An edit the rule refuses
// changes nothing, and a brief note below the box says why, naming the box
// as a screen reader does.
class FieldValidator : public QValidator {
    Q_OBJECT
public:
    static void Attach(QLineEdit* box, const BoxRule& rule);

    State validate(QString& input, int& pos) const override;

private:
    FieldValidator(QLineEdit* box, const BoxRule& rule);
    // Why the box refuses `edit`, and the part of it refused.
    QString RefusalNote(const BoxEdit& edit) const;

    QLineEdit* m_box;
    BoxRule m_rule;
    QString m_held;          // what the box holds: the text an edit starts from
    mutable QString m_note;  // what the note says of the edit refused last
};
