#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

// Gives the menu's shortcuts priority over the text boxes' own key bindings:
// a text box claims keys such as Ctrl+C or (on X11) Ctrl+E for itself before
// shortcuts are looked up; this filter withholds that claim for the guarded
// sequences, so the menu command runs whichever control has the focus.
class ShortcutGuard : public QObject {
    Q_OBJECT
public:
    ShortcutGuard(QList<QKeySequence> sequences, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> m_sequences;
};
