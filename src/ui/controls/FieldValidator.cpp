#include "ui/controls/FieldValidator.h"

#include "ui/controls/BriefNote.h"

#include <QLineEdit>

#include <limits>

namespace {

// Long enough to read twice.
constexpr int kNoteMilliseconds = 5000;
// The refused part is quoted up to this many characters.
constexpr qsizetype kLongestQuote = 24;

}  // namespace

FieldValidator::FieldValidator(QLineEdit* box, const BoxRule& rule)
    : QValidator(box), m_box(box), m_rule(rule), m_held(box->text())
{
}

void FieldValidator::Attach(QLineEdit* box, const BoxRule& rule)
{
    auto* validator = new FieldValidator(box, rule);
    // The box itself would cut an over-long text to its length before the
    // validator sees it, and so take a part of it: the validator alone keeps
    // the length.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setValidator(validator);
    connect(box, &QLineEdit::textChanged, validator, [validator](const QString& text) { validator->m_held = text; });
    connect(box, &QLineEdit::inputRejected, validator,
            [validator, box] { ShowBriefNote(box, box->rect(), validator->m_note, kNoteMilliseconds); });
}

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    const BoxEdit edit = CheckBoxEdit(m_rule, m_held, input);
    if (edit.refusal != BoxEdit::Refusal::None) {
        m_note = RefusalNote(edit);
        return Invalid;
    }
    if (edit.text != input) {
        input = edit.text;
        pos = int(edit.cursor);
    }
    return Acceptable;
}

QString FieldValidator::RefusalNote(const BoxEdit& edit) const
{
    const QString name = m_box->accessibleName();
    QString rule;
    switch (edit.refusal) {
    case BoxEdit::Refusal::Characters:
        rule = m_rule.characters == BoxRule::Characters::Strength
                   ? QStringLiteral("%1 takes digits only, after an optional \"-\"").arg(name)
                   : QStringLiteral("%1 takes digits only").arg(name);
        break;
    case BoxEdit::Refusal::Length:
        rule = QStringLiteral("%1 takes at most %2 characters").arg(name, QString::number(m_rule.longest));
        break;
    case BoxEdit::Refusal::LineBreak: rule = QStringLiteral("%1 takes a single line").arg(name); break;
    case BoxEdit::Refusal::None: break;
    }
    // The refused part on one line, cut short where it runs on.
    QString quoted = edit.inserted.size() > kLongestQuote ? edit.inserted.first(kLongestQuote) + QStringLiteral("...")
                                                          : edit.inserted;
    for (QChar& c : quoted) {
        if (c < u' ')
            c = u' ';
    }
    if (quoted.isEmpty())
        return rule + u'.';
    return QStringLiteral("%1: \"%2\" was not taken.").arg(rule, quoted);
}
