#include "ui/ScenarioItemsModel.h"

#include "graphics/SheetIconCache.h"
#include "model/ItemNumberCheck.h"

#include <QApplication>
#include <QBrush>
#include <QStyle>

#include <algorithm>

namespace {

// A row whose item number is defined more than once: a warm ground behind
// dark text, which keeps its contrast.
const QColor kDuplicateGround(0xff, 0xe4, 0xa8);

}  // namespace

void ScenarioItemsModel::SetBlocks(const std::vector<ScenarioBlock>& blocks, SheetIconCache& icons)
{
    beginResetModel();
    if (m_warning.isNull())
        m_warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16);
    const QMap<int, QList<int>> linesByNumber = LinesByItemNumber(blocks);
    m_rows.clear();
    m_rows.reserve(blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const ScenarioBlock& block = blocks[i];
        const bool read = block.reading.result == ItemScriptReading::Result::Read;
        m_rows.push_back(RowOf(block, linesByNumber, read ? icons.IconOf(block.reading.item) : QPixmap()));
        m_rows.back().block = int(i);
    }
    // The blocks come in the order of their lines.
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) {
        return unsigned(a.number) < unsigned(b.number);  // a refused block (-1) goes last
    });
    ApplyFilter();
    endResetModel();
}

ScenarioItemsModel::Row ScenarioItemsModel::RowOf(const ScenarioBlock& block,
                                                  const QMap<int, QList<int>>& linesByNumber, QPixmap icon)
{
    Row row;
    row.number = block.number;
    row.line = block.line;
    row.icon = std::move(icon);
    row.texts[Line] = QString::number(block.line);
    if (block.reading.result != ItemScriptReading::Result::Read) {
        row.texts[Notes] = QStringLiteral("Cannot be loaded: ") + block.reading.refusalReason;
        row.toolTip = row.texts[Notes];
        return row;
    }
    const ItemDefinition& item = block.reading.item;
    row.texts[Number] = item.txtItemNum;
    row.texts[Name] = item.chkName ? item.txtName : QString();
    row.texts[FullName] = item.chkFullName ? item.txtFullName : QString();
    row.texts[Variety] = item.chkVariety ? item.cboVariety.text : QString();
    QStringList notes;
    QStringList tips;
    QList<int> others = linesByNumber.value(block.number);
    others.removeOne(block.line);
    if (!others.isEmpty()) {
        row.duplicate = true;
        notes << QStringLiteral("also at ") + DescribeLines(others);
        tips << QStringLiteral("Item %1 is also defined at %2.").arg(row.texts[Number], DescribeLines(others));
    }
    const std::size_t problems = block.reading.problems.size();
    if (problems > 0) {
        notes << (problems == 1 ? QStringLiteral("1 line not applied")
                                : QStringLiteral("%1 lines not applied").arg(problems));
        for (const ScriptProblem& p : block.reading.problems)
            tips << QStringLiteral("Line %1 not applied: %2").arg(p.line).arg(p.reason);
    }
    row.texts[Notes] = notes.join(QStringLiteral("; "));
    row.toolTip = tips.join(QLatin1Char('\n'));
    return row;
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
        const Row& row = m_rows[i];
        if (m_filter.isEmpty() || row.texts[Number].contains(m_filter, Qt::CaseInsensitive)
            || row.texts[Name].contains(m_filter, Qt::CaseInsensitive)
            || row.texts[FullName].contains(m_filter, Qt::CaseInsensitive))
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
    return r ? r->number : -1;
}

int ScenarioItemsModel::FirstRowStartingWith(const QString& digits) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (RowAt(row)->number >= 0 && RowAt(row)->texts[Number].startsWith(digits))
            return row;
    }
    return -1;
}

QList<int> ScenarioItemsModel::RowsOf(int number) const
{
    QList<int> rows;
    for (int row = 0; number >= 0 && row < rowCount(); ++row) {
        if (RowAt(row)->number == number)
            rows << row;
    }
    return rows;
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
    case Qt::DisplayRole: return row->texts[column];
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
        if (column == Number && row->duplicate)
            return row->texts[column] + QStringLiteral(", defined more than once");
        return row->texts[column];
    case Qt::ToolTipRole: return row->toolTip.isEmpty() ? QVariant() : row->toolTip;
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
    // A refused block is listed greyed and cannot be chosen, so it cannot be loaded.
    const Row* row = RowAt(index.row());
    if (!row || row->number < 0)
        return Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
