#pragma once

#include <QWidget>

#include <memory>

class CompareModel;
class ScriptComparison;
struct ItemProperty;

class QPushButton;
class QTableView;

namespace Ui {
class CompareWindow;
}

// The Compare window: the item on the form beside its definition in the open
// scenario script, property by property, following both as they change. A
// property's script value, or the whole definition, can be taken onto the
// form from here.
class CompareWindow : public QWidget {
    Q_OBJECT
public:
    CompareWindow(ScriptComparison& comparison, QWidget* parent);
    ~CompareWindow() override;

    // Shows, raises and activates the window, the table with the focus and
    // the first row that differs selected.
    void ShowWindow();

    CompareModel* model() const { return m_model; }
    QTableView* grdCompare() const;

signals:
    // "Use Script Value", Return or a double-click on a row.
    void UseValue(const ItemProperty* property);
    // "Use All Script Values": the line of the definition to load.
    void UseAll(int line);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refresh();
    void SelectRow(int row);
    const ItemProperty* Selected() const;
    QString Refusal() const;  // why the form cannot take the selected row's script value
    // Why nothing is taken from the script: it is as last read, not the file
    // as it is now; empty while it is the file.
    QString NotAsLastRead() const;
    // A button enabled where it is `offered` and nothing stands against it;
    // else greyed, `why` in its tooltip and its description.
    static void Offer(QPushButton* button, bool offered, const QString& why);
    // Use Script Value enabled for the selected row, or disabled with the reason.
    void OfferSelectedValue();

    std::unique_ptr<Ui::CompareWindow> ui;
    ScriptComparison& m_comparison;
    CompareModel* m_model;
    // The property whose script value was just taken: the comparison that follows selects the next row that differs.
    const ItemProperty* m_taken = nullptr;
};
