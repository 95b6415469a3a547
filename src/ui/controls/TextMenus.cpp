#include "ui/controls/TextMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

void UseActionsInTextMenus(QWidget* window, QAction* undo, QAction* redo)
{
    // A plain text box's entries are named; a line edit's are known by their
    // words, those the line edit itself gives them.
    const auto is = [](const QAction* action, const char* name, const char* words) {
        return action->objectName() == QLatin1String(name)
               || action->text().section(u'\t', 0, 0) == QCoreApplication::translate("QLineEdit", words);
    };
    const auto popUp = [undo, redo, is](QMenu* menu, const QPoint& where) {
        for (QAction* own : menu->actions()) {
            QAction* replacement = is(own, "edit-undo", "&Undo")   ? undo
                                   : is(own, "edit-redo", "&Redo") ? redo
                                                                   : nullptr;
            if (replacement) {
                menu->insertAction(own, replacement);
                menu->removeAction(own);
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(where);
    };
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, popUp](const QPoint& at) {
            popUp(box->createStandardContextMenu(), box->mapToGlobal(at));
        });
    }
    for (QPlainTextEdit* pane : window->findChildren<QPlainTextEdit*>()) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(pane, &QWidget::customContextMenuRequested, pane, [pane, popUp](const QPoint& at) {
            popUp(pane->createStandardContextMenu(at), pane->viewport()->mapToGlobal(at));
        });
    }
}
