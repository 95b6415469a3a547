#include "ui/scenario/ScenarioItemsModel.h"

#include "graphics/SheetIconCache.h"
#include "model/ItemNumberCheck.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QStyle>

#include <algorithm>

namespace {

// A row whose item number is defined more than once: a warm ground behind
// dark text, which keeps its contrast.
const QColor kDuplicateGround(0xff, 0xe4, 0xa8);
// A block that cannot be loaded: a grey that keeps a contrast of 5:1 on white.
const QColor kRefusedText(0x6d, 0x6d, 0x6d);

}  // namespace

void ScenarioItemsModel::SetScript(const ScenarioScript* script, SheetIconCache& icons)
{
    beginResetModel();
    if (m_warning.isNull())
        m_warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16);
    m_script = script;
    const std::vector<ScenarioBlock>& blocks = script->Blocks();
    m_linesByNumber = LinesByItemNumber(blocks);
    m_rows.clear();
    m_rows.reserve(blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const ScenarioBlock& block = blocks[i];
        m_rows.push_back({int(i), m_linesByNumber.value(block.number).size() > 1,
                          block.icon < 0 ? QPixmap() : icons.IconOf(block.sheet, block.icon)});
    }
    // The blocks come in the order of their lines.
    std::ranges::stable_sort(m_rows, [&](const Row& a, const Row& b) {
        return unsigned(BlockOf(a).number) < unsigned(BlockOf(b).number);  // a refused block (-1) goes last
    });
    ApplyFilter();
    endResetModel();
}

QList<int> ScenarioItemsModel::OtherLines(const Row& row) const
{
    QList<int> others = m_linesByNumber.value(BlockOf(row).number);
    others.removeOne(BlockOf(row).line);
    return others;
}

QString ScenarioItemsModel::TextOf(const Row& row, int column) const
{
    const ScenarioBlock& block = BlockOf(row);
    switch (column) {
    case Number: return block.numberText;
    case Name: return block.name;
    case FullName: return block.fullName;
    case Variety: return block.variety;
    case Line: return QString::number(block.line);
    case Notes: {
        if (block.number < 0)
            return QStringLiteral("Cannot be loaded: ") + m_script->Read(block).refusalReason;
        QStringList notes;
        if (row.duplicate)
            notes << QStringLiteral("also at ") + DescribeLines(OtherLines(row));
        if (block.problems > 0)
            notes << (block.problems == 1 ? QStringLiteral("1 line not applied")
                                          : QStringLiteral("%1 lines not applied").arg(block.problems));
        return notes.join(QStringLiteral("; "));
    }
    default: return {};
    }
}

QString ScenarioItemsModel::ToolTipOf(const Row& row) const
{
    const ScenarioBlock& block = BlockOf(row);
    if (block.number < 0)
        return TextOf(row, Notes);
    QStringList tips;
    if (row.duplicate)
        tips << QStringLiteral("Item %1 is also defined at %2.").arg(block.numberText, DescribeLines(OtherLines(row)));
    if (block.problems > 0) {
        const ItemScriptReading reading = m_script->Read(block);
        for (const ScriptProblem& p : reading.problems)
            tips << QStringLiteral("Line %1 not applied: %2").arg(QString::number(p.line), p.reason);
        if (reading.problemsNotListed > 0)
            tips << QStringLiteral("and %1 more lines not applied").arg(reading.problemsNotListed);
    }
    return tips.join(QLatin1Char('\n'));
}

void ScenarioItemsModel::SetFilter(const QString& text)
{
    if (text == m_filter)
        return;
    beginResetModel();
    m_filter = text;
    ApplyFilter();
    endResetModel();
}

void ScenarioItemsModel::ApplyFilter()
{
    m_shown.clear();
    m_shown.reserve(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ScenarioBlock& block = BlockOf(m_rows[i]);
        if (m_filter.isEmpty() || block.numberText.contains(m_filter, Qt::CaseInsensitive)
            || block.name.contains(m_filter, Qt::CaseInsensitive)
            || block.fullName.contains(m_filter, Qt::CaseInsensitive))
            m_shown.push_back(int(i));
    }
}

const ScenarioItemsModel::Row* ScenarioItemsModel::RowAt(int row) const
{
    if (row < 0 || std::size_t(row) >= m_shown.size())
        return nullptr;
    return &m_rows[std::size_t(m_shown[std::size_t(row)])];
}

int ScenarioItemsModel::BlockAt(int row) const
{
    const Row* r = RowAt(row);
    return r ? r->block : -1;
}

int ScenarioItemsModel::NumberAt(int row) const
{
    const Row* r = RowAt(row);
    return r ? BlockOf(*r).number : -1;
}

int ScenarioItemsModel::FirstRowStartingWith(const QString& digits) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (NumberAt(row) >= 0 && BlockOf(*RowAt(row)).numberText.startsWith(digits))
            return row;
    }
    return -1;
}

QList<int> ScenarioItemsModel::RowsOf(int number) const
{
    QList<int> rows;
    for (int row = 0; number >= 0 && row < rowCount(); ++row) {
        if (NumberAt(row) == number)
            rows << row;
    }
    return rows;
}

void ScenarioItemsModel::MarkNumber(int number)
{
    if (number == m_marked)
        return;
    m_marked = number;
    if (!m_shown.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::FontRole, Qt::AccessibleTextRole});
}

QString ScenarioItemsModel::NotesAt(int row) const
{
    const Row* r = RowAt(row);
    return r ? ToolTipOf(*r) : QString();
}

int ScenarioItemsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_shown.size()); }

int ScenarioItemsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ScenarioItemsModel::data(const QModelIndex& index, int role) const
{
    const Row* row = RowAt(index.row());
    if (!row)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: return TextOf(*row, column);
    case Qt::DecorationRole:
        if (column == Icon && !row->icon.isNull())
            return row->icon;
        if (column == Number && row->duplicate)
            return m_warning;
        return {};
    case Qt::AccessibleTextRole:
        // What a screen reader says for the pictures: the icon, the warning mark.
        if (column == Icon)
            return row->icon.isNull() ? QStringLiteral("No icon") : QStringLiteral("Icon");
        if (column == Number) {
            return TextOf(*row, column) + (row->duplicate ? QStringLiteral(", defined more than once") : QString())
                   + (Marked(*row) ? QStringLiteral(", the form's item number") : QString());
        }
        return TextOf(*row, column);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString tip = ToolTipOf(*row);
        return tip.isEmpty() ? QVariant() : tip;
    }
    case Qt::FontRole: {
        // The rows of the form's item number: bold, so that they stand apart from the selection.
        if (!Marked(*row))
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::ForegroundRole: return BlockOf(*row).number < 0 ? QBrush(kRefusedText) : QVariant();
    case Qt::BackgroundRole: return row->duplicate ? QBrush(kDuplicateGround) : QVariant();
    case Qt::TextAlignmentRole:
        if (column == Number || column == Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant ScenarioItemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    // The icon column's header shows nothing but is named for a screen reader.
    static const char* const captions[ColumnCount] = {"", "Number", "Name", "Full Name", "Variety", "Line", "Notes"};
    return section == Icon && role == Qt::AccessibleTextRole ? QStringLiteral("Icon")
                                                             : QString::fromLatin1(captions[section]);
}

Qt::ItemFlags ScenarioItemsModel::flags(const QModelIndex& index) const
{
    // A refused block is listed in grey; it can be chosen, so that the notes
    // below the table say why it cannot be loaded.
    if (!RowAt(index.row()))
        return Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
