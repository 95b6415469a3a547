#include "ui/controls/BriefNote.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QTimer>

void ShowBriefNote(QWidget* anchor, const QRect& area, const QString& text, int milliseconds)
{
    static QPointer<QLabel> shown;
    delete shown;
    auto* note = new QLabel(text, anchor->window(), Qt::ToolTip);
    shown = note;
    note->setObjectName(QStringLiteral("briefNote"));
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setWindowTitle(text);
    note->setAccessibleName(text);
    note->setForegroundRole(QPalette::ToolTipText);
    note->setBackgroundRole(QPalette::ToolTipBase);
    note->setAutoFillBackground(true);
    note->setFrameShape(QFrame::Box);
    note->setMargin(3);
    // Within the window's width, wrapped where the text runs longer.
    const QPoint at = anchor->mapToGlobal(area.bottomLeft());
    const QWidget* window = anchor->window();
    const int room = window->mapToGlobal(QPoint(window->width(), 0)).x() - at.x();
    if (note->sizeHint().width() > room) {
        note->setWordWrap(true);
        note->setFixedWidth(room);
    }
    note->adjustSize();
    note->move(at);
    note->show();
    QAccessibleEvent shownEvent(note, QAccessible::Alert);
    QAccessible::updateAccessibility(&shownEvent);
    QTimer::singleShot(milliseconds, note, &QWidget::close);
}
