#include "ui/controls/LeaveFieldRule.h"

#include <QFocusEvent>
#include <QLineEdit>

LeaveFieldRule::LeaveFieldRule(QObject* parent, std::function<void()> rule) : QObject(parent), m_rule(std::move(rule))
{
}

void LeaveFieldRule::Attach(QLineEdit* box, std::function<void()> rule)
{
    box->installEventFilter(new LeaveFieldRule(box, std::move(rule)));
}

bool LeaveFieldRule::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            m_rule();
    }
    return QObject::eventFilter(watched, event);
}
