#include "ui/controls/FieldInputFilter.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

FieldInputFilter::FieldInputFilter(QObject* parent, KeyRule keyRule, LeaveRule leaveRule, TextRule textRule)
    : QObject(parent), m_keyRule(std::move(keyRule)), m_leaveRule(std::move(leaveRule)), m_textRule(std::move(textRule))
{
}

void FieldInputFilter::Attach(QLineEdit* box, KeyRule keyRule, LeaveRule leaveRule, TextRule textRule)
{
    box->installEventFilter(new FieldInputFilter(box, std::move(keyRule), std::move(leaveRule), std::move(textRule)));
}

bool FieldInputFilter::Accepts(const QLineEdit* box, const QString& typed, int longest) const
{
    if (typed.isEmpty())
        return false;
    for (QChar c : typed) {
        const std::int16_t code = c.unicode() > 0x7FFF ? std::int16_t(-1) : std::int16_t(c.unicode());
        if (m_keyRule(code) == 0)
            return false;
    }
    if (longest < 0)
        return true;
    // The box's text with the typed text in place of the selection, or at the cursor.
    QString after = box->text();
    const bool selected = box->hasSelectedText();
    after.replace(selected ? box->selectionStart() : box->cursorPosition(), selected ? box->selectedText().size() : 0,
                  typed);
    return after.size() <= longest && (!m_textRule || m_textRule(after));
}

bool FieldInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_keyRule) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* box = static_cast<QLineEdit*>(watched);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete
            || key->matches(QKeySequence::SelectAll))
            return false;
        // The desktop's paste keys paste what could have been typed, as a whole, or nothing.
        if (key->matches(QKeySequence::Paste))
            return !Accepts(box, QGuiApplication::clipboard()->text(), box->maxLength());
        const QString typed = key->text();
        if (typed.isEmpty() || typed == QStringLiteral("\x7f"))
            return false;
        // A control character (Backspace) is the key rule's alone: it leaves no text to judge.
        return !Accepts(box, typed, typed.front() >= u' ' ? box->maxLength() : -1);
    }
    if (event->type() == QEvent::FocusOut && m_leaveRule) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            m_leaveRule();
    }
    return QObject::eventFilter(watched, event);
}
