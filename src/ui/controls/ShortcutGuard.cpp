#include "ui/controls/ShortcutGuard.h"

#include <QKeyEvent>

ShortcutGuard::ShortcutGuard(QList<QKeySequence> sequences, QObject* parent)
    : QObject(parent), m_sequences(std::move(sequences))
{
}

bool ShortcutGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& guarded : m_sequences) {
            if (pressed == guarded)
                return true;  // not accepted: the shortcut map handles the key
        }
    }
    return QObject::eventFilter(watched, event);
}
