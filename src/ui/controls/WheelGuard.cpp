#include "ui/controls/WheelGuard.h"

#include <QEvent>
#include <QWidget>

void WheelGuard::Attach(QWidget* list)
{
    // Clicking or tabbing still gives the list the focus; the wheel no longer does.
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(new WheelGuard(list));
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
        event->ignore();  // not taken: the toolkit passes it on to the parents
        return true;
    }
    return QObject::eventFilter(watched, event);
}
