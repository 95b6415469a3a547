#pragma once

#include "model/ScenarioScript.h"

#include <QAbstractTableModel>
#include <QPixmap>

#include <vector>

class SheetIconCache;

// The rows of the Scenario Items window: one per item block of the open
// script, sorted by item number and then by line, refused blocks last, and
// narrowed by the filter. A row's texts come from its block as it is painted;
// the reasons in a tooltip, and in the notes below the table, are read from
// the script when they are asked for.
class ScenarioItemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Icon, Number, Name, FullName, Variety, Line, Notes, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Lists the blocks of `script`, with their icons; the filter stays. The
    // model refers to the script until the next call.
    void SetScript(const ScenarioScript* script, SheetIconCache& icons);
    // Shows only the rows whose item number, name or full name contains
    // `text`, ignoring case; every row when it is empty.
    void SetFilter(const QString& text);

    // The position in the script's blocks of a shown row; -1 when there is no such row.
    int BlockAt(int row) const;
    // The item number of a shown row; -1 for a refused block.
    int NumberAt(int row) const;
    // The first shown row whose item number starts with `digits`; -1 for none.
    int FirstRowStartingWith(const QString& digits) const;
    // The shown rows of an item number; none for -1, the number of no block.
    QList<int> RowsOf(int number) const;
    // Marks the rows of the form's item number (bold); -1 for none.
    void MarkNumber(int number);
    // Everything the notes of a shown row say, each line not applied with its reason; empty for none.
    QString NotesAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        int block = -1;
        bool duplicate = false;
        QPixmap icon;
    };
    const ScenarioBlock& BlockOf(const Row& row) const { return m_script->Blocks()[std::size_t(row.block)]; }
    bool Marked(const Row& row) const { return m_marked >= 0 && BlockOf(row).number == m_marked; }
    QString TextOf(const Row& row, int column) const;
    QString ToolTipOf(const Row& row) const;
    QList<int> OtherLines(const Row& row) const;
    void ApplyFilter();
    const Row* RowAt(int row) const;

    const ScenarioScript* m_script = nullptr;
    QMap<int, QList<int>> m_linesByNumber;
    std::vector<Row> m_rows;   // every block, in list order
    std::vector<int> m_shown;  // the positions in m_rows the filter lets through
    QString m_filter;
    int m_marked = -1;  // the form's item number
    QPixmap m_warning;  // beside the number of a row whose number is defined more than once
};
