#pragma once

#include "model/ItemNumberCheck.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

class QLabel;
class ScenarioItems;

// The form compared with the open scenario script's definitions of its item
// number, property by property, kept up to date as the form and the file
// change: it marks each control whose property differs from the compared
// definition, and holds what the note beside the generated script and the
// Compare window show.
class ScriptComparison : public QObject {
    Q_OBJECT
public:
    // What is compared: the open script (null while none is), and the form's
    // item as Generate writes it.
    using Scenario = std::function<const ScenarioItems*()>;
    using Generated = std::function<QString()>;

    ScriptComparison(Scenario scenario, Generated generated, QObject* parent);

    // A mark beside `anchor` (a "Display in script" box) for `properties`,
    // shown while one of them differs; its tooltip, also the description of
    // the `described` controls for a screen reader, gives the script's value.
    // The mark is made when it is first shown, so that marks cost start-up
    // nothing.
    void AddMark(QWidget* anchor, const QList<const ItemProperty*>& properties, const QList<QWidget*>& described);

    // Compares again soon: at most 50 ms after the first change of a burst of
    // keys, and once for all of them.
    void Schedule()
    {
        if (!m_soon.isActive())
            m_soon.start();
    }
    // Compares now.
    void Compare();
    // From the next comparison on, compares with the block at `line` of the
    // item number, as long as the number has one there: the block chosen in
    // the Compare window, or the one loaded. 0 for the last that matches,
    // else the last.
    void ChooseDefinition(int line) { m_compareWith = line; }

    const ItemNumberCheck& Check() const { return m_check; }
    QString FileName() const;
    // Why the script compared with is as last read, not the file as it is now
    // (gone, unreadable, too large); empty while it is the file.
    QString FileProblem() const;
    // What the note's last sentence ends with: a full stop, or while there is
    // such a problem ", as last read; plot.txt is no longer in its folder."
    QString NoteEnding() const;

signals:
    void Compared();

private:
    struct Mark {
        QPointer<QWidget> anchor;
        QList<const ItemProperty*> properties;
        QList<QPointer<QWidget>> described;
        QLabel* label = nullptr;  // made the first time it is shown
    };
    QString TipOf(const Mark& mark) const;
    static QLabel* MakeLabel(QWidget* anchor);

    Scenario m_scenario;
    Generated m_generated;
    QTimer m_soon;
    std::vector<Mark> m_marks;
    int m_compareWith = 0;
    ItemNumberCheck m_check;
};
