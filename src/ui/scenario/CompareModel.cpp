#include "ui/scenario/CompareModel.h"

void CompareModel::Show(const ItemNumberCheck& check, bool onlyDifferences)
{
    beginResetModel();
    m_rows.clear();
    for (const PropertyComparison& c : check.comparison) {
        if (onlyDifferences && !c.differs)
            continue;
        m_rows.push_back({c.property, c.differs, DescribeScriptSide(c, check.compared),
                          c.scriptShown ? check.comparedLines.value(c.property->caption, check.comparedLine) : 0,
                          DescribeFormSide(c, check.form), c.refusal});
    }
    endResetModel();
}

const ItemProperty* CompareModel::PropertyAt(int row) const
{
    return row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)].property : nullptr;
}

QString CompareModel::RefusalAt(int row) const
{
    return row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)].refusal : QString();
}

int CompareModel::RowOf(const ItemProperty* property) const
{
    const auto found = std::ranges::find(m_rows, property, &Row::property);
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

int CompareModel::FirstDifference() const
{
    const auto found = std::ranges::find(m_rows, true, &Row::differs);
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

int CompareModel::NextDifference(const ItemProperty* property) const
{
    // The rows come in the order of the properties, which the table of properties holds in one array.
    const auto found = std::ranges::find_if(m_rows, [&](const Row& r) { return r.differs && r.property > property; });
    return found == m_rows.end() ? FirstDifference() : int(found - m_rows.begin());
}

int CompareModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int CompareModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CompareModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_rows.size())
        return {};
    const Row& row = m_rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Mark: return row.differs ? QStringLiteral("\u2260") : QString();
        case Property: return row.property->caption;
        case Script: return row.script;
        case Line: return row.line > 0 ? QString::number(row.line) : QString();
        case Form: return row.form;
        default: return {};
        }
    case Qt::ToolTipRole:
        // A value cut short by the column, or the reason beside it, in full.
        return index.column() == Script || index.column() == Form ? data(index, Qt::DisplayRole) : QVariant();
    case Qt::AccessibleTextRole:
        if (index.column() == Mark)
            return row.differs ? QStringLiteral("Differs") : QStringLiteral("Same");
        return data(index, Qt::DisplayRole);
    case Qt::TextAlignmentRole:
        if (index.column() == Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant CompareModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Mark: return role == Qt::AccessibleTextRole ? QStringLiteral("Differs") : QString();
    case Property: return QStringLiteral("Property");
    case Script: return QStringLiteral("Script");
    case Line: return QStringLiteral("Line");
    case Form: return QStringLiteral("Form");
    default: return {};
    }
}
