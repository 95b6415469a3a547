#include "ui/scenario/ScriptComparison.h"

#include "ui/controls/EditorStyle.h"
#include "ui/scenario/ScenarioItems.h"

#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

ScriptComparison::ScriptComparison(Scenario scenario, Generated generated, QObject* parent)
    : QObject(parent), m_scenario(std::move(scenario)), m_generated(std::move(generated))
{
    m_soon.setSingleShot(true);
    m_soon.setInterval(50);
    connect(&m_soon, &QTimer::timeout, this, &ScriptComparison::Compare);
}

void ScriptComparison::AddMark(QWidget* anchor, const QList<const ItemProperty*>& properties,
                               const QList<QWidget*>& described)
{
    QList<QPointer<QWidget>> watched;
    for (QWidget* w : described)
        watched << w;
    m_marks.push_back({anchor, properties, watched});
}

QLabel* ScriptComparison::MakeLabel(QWidget* anchor)
{
    QLabel* label = MakeWarningMark(QStringLiteral("\u2260"), QStringLiteral("mark_") + anchor->objectName(),
                                    QStringLiteral("Differs from the script"), anchor->parentWidget());
    // Just after what the anchor shows of itself: the end of a box's caption.
    int shown = anchor->width();
    if (auto* box = qobject_cast<QCheckBox*>(anchor)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        shown = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left()
                + box->fontMetrics().horizontalAdvance(box->text());
    }
    const QSize size(label->fontMetrics().horizontalAdvance(label->text()) + 1, label->sizeHint().height());
    label->setGeometry(anchor->x() + std::min(shown, anchor->width()) + 2,
                       anchor->y() + (anchor->height() - size.height()) / 2, size.width(), size.height());
    return label;
}

QString ScriptComparison::FileName() const
{
    const ScenarioItems* scenario = m_scenario();
    return scenario ? scenario->FileName() : QString();
}

QString ScriptComparison::FileProblem() const
{
    const ScenarioItems* scenario = m_scenario();
    return scenario ? scenario->FileProblem() : QString();
}

QString ScriptComparison::NoteEnding() const
{
    const QString problem = FileProblem();
    return problem.isEmpty() ? QStringLiteral(".") : QStringLiteral(", as last read; ") + problem + u'.';
}

void ScriptComparison::Compare()
{
    m_soon.stop();
    const ScenarioItems* scenario = m_scenario();
    m_check = scenario ? CheckItemNumber(scenario->Script(), m_generated(), m_compareWith) : ItemNumberCheck();
    for (Mark& mark : m_marks) {
        const QString tip = TipOf(mark);
        if (!mark.label && !tip.isEmpty() && mark.anchor)
            mark.label = MakeLabel(mark.anchor);
        if (!mark.label)
            continue;
        mark.label->setToolTip(tip);
        mark.label->setAccessibleDescription(tip);
        mark.label->setVisible(!tip.isEmpty());
        for (QWidget* w : mark.described) {
            if (w)
                w->setAccessibleDescription(tip);
        }
    }
    emit Compared();
}

QString ScriptComparison::TipOf(const Mark& mark) const
{
    QStringList tips;
    for (const PropertyComparison& c : m_check.comparison) {
        if (!c.differs || !mark.properties.contains(c.property))
            continue;
        const QString& caption = c.property->caption;
        const int line =
            c.scriptShown ? m_check.comparedLines.value(caption, m_check.comparedLine) : m_check.comparedLine;
        const QString value = DescribeScriptSide(c, m_check.compared);
        // One mark for a slot's ability and strength names which of them differs.
        const QString which = mark.properties.size() > 1 ? QStringLiteral(", ") + caption : QString();
        tips << QStringLiteral("%1, line %2%3: %4").arg(FileName(), QString::number(line), which, value);
    }
    return tips.join(QLatin1Char('\n'));
}
