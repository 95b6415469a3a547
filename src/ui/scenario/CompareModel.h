#pragma once

#include "model/ItemNumberCheck.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of the Compare window: one per property of the item in the order
// of the properties, or only those that differ: the mark of a difference, the
// caption, the value in the script and its line, the value on the form.
class CompareModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Mark, Property, Script, Line, Form, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Shows `check`, whose values the model copies.
    void Show(const ItemNumberCheck& check, bool onlyDifferences);

    const ItemProperty* PropertyAt(int row) const;
    // Why the form cannot take the script's value of a row; empty where it can.
    QString RefusalAt(int row) const;
    // The row of a property; -1 where it is not shown.
    int RowOf(const ItemProperty* property) const;
    // The first row that differs; -1 for none.
    int FirstDifference() const;
    // The first row that differs after `property`'s place among the properties, else the first that differs; -1
    // for none.
    int NextDifference(const ItemProperty* property) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        const ItemProperty* property;
        bool differs;
        QString script;
        int line;  // of the script's value; 0 where the script does not show it
        QString form;
        QString refusal;
    };
    std::vector<Row> m_rows;
};
