#include "ui/controls/FieldInputFilter.h"

#include <QFocusEvent>
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

bool FieldInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_keyRule) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
            return false;
        const QString typed = key->text();
        if (typed.isEmpty() || typed == QStringLiteral("\x7f"))
            return false;
        for (QChar c : typed) {
            const std::int16_t code = c.unicode() > 0x7FFF ? std::int16_t(-1) : std::int16_t(c.unicode());
            if (m_keyRule(code) == 0)
                return true;  // discarded: nothing reaches the box
        }
        if (m_textRule && typed.front() >= u' ') {
            // The box's text with the typed character in place of the selection, or at the cursor.
            const auto* box = static_cast<QLineEdit*>(watched);
            QString after = box->text();
            const bool selected = box->hasSelectedText();
            after.replace(selected ? box->selectionStart() : box->cursorPosition(),
                          selected ? box->selectedText().size() : 0, typed);
            if (!m_textRule(after))
                return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut && m_leaveRule) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            m_leaveRule();
    }
    return QObject::eventFilter(watched, event);
}
