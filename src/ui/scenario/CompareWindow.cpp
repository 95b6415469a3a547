#include "ui/scenario/CompareWindow.h"

#include "ui_CompareWindow.h"

#include "ui/scenario/CompareModel.h"
#include "ui/scenario/ScriptComparison.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

CompareWindow::CompareWindow(ScriptComparison& comparison, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::CompareWindow>()), m_comparison(comparison),
      m_model(new CompareModel(this))
{
    ui->setupUi(this);
    ui->grdCompare->setModel(m_model);
    const int character = fontMetrics().averageCharWidth();
    ui->grdCompare->setColumnWidth(CompareModel::Mark, 3 * character);
    ui->grdCompare->setColumnWidth(CompareModel::Property, 20 * character);
    ui->grdCompare->setColumnWidth(CompareModel::Script, 30 * character);
    ui->grdCompare->setColumnWidth(CompareModel::Line, 7 * character);
    connect(&m_comparison, &ScriptComparison::Compared, this, &CompareWindow::Refresh);
    connect(ui->chkOnlyDifferences, &QCheckBox::toggled, this, &CompareWindow::Refresh);
    connect(ui->cboBlock, &QComboBox::activated, this, [this] {
        m_comparison.ChooseDefinition(ui->cboBlock->currentData().toInt());
        m_comparison.Compare();
    });
    const auto useValue = [this] {
        // Return and a double-click take what the button offers, and only that.
        const ItemProperty* property = Selected();
        if (!property || !ui->cmdUseValue->isEnabled())
            return;
        // Compared at once, so that the next row is selected before the next key: Use Script Value pressed again
        // takes the next property.
        m_taken = property;
        emit UseValue(property);
        m_comparison.Compare();
        m_taken = nullptr;
    };
    connect(ui->grdCompare, &QTableView::activated, this, useValue);
    connect(ui->cmdUseValue, &QPushButton::clicked, this, useValue);
    connect(ui->cmdUseAll, &QPushButton::clicked, this, [this] { emit UseAll(m_comparison.Check().comparedLine); });
    connect(ui->grdCompare->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CompareWindow::OfferSelectedValue);
    Refresh();
}

CompareWindow::~CompareWindow() = default;

QTableView* CompareWindow::grdCompare() const { return ui->grdCompare; }

void CompareWindow::ShowWindow()
{
    show();
    raise();
    activateWindow();
    ui->grdCompare->setFocus(Qt::OtherFocusReason);
    SelectRow(std::max(m_model->FirstDifference(), 0));
}

const ItemProperty* CompareWindow::Selected() const
{
    return m_model->PropertyAt(ui->grdCompare->currentIndex().row());
}

QString CompareWindow::Refusal() const { return m_model->RefusalAt(ui->grdCompare->currentIndex().row()); }

QString CompareWindow::NotAsLastRead() const
{
    const QString problem = m_comparison.FileProblem();
    return problem.isEmpty() ? QString()
                             : QStringLiteral("The script's values are as last read, and %1: nothing is taken from "
                                              "them until the file can be read again.")
                                   .arg(problem);
}

void CompareWindow::Offer(QPushButton* button, bool offered, const QString& why)
{
    button->setEnabled(offered && why.isEmpty());
    button->setToolTip(why);
    button->setAccessibleDescription(why);
}

void CompareWindow::OfferSelectedValue()
{
    // A value the form cannot take is shown, not offered: the button says why.
    const QString refusal = Refusal();
    const QString notRead = NotAsLastRead();
    Offer(ui->cmdUseValue, Selected() != nullptr,
          !notRead.isEmpty()  ? notRead
          : refusal.isEmpty() ? QString()
                              : QStringLiteral("The form cannot take the script's value: %1.").arg(refusal));
}

void CompareWindow::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, CompareModel::Property);
    ui->grdCompare->selectionModel()->setCurrentIndex(index,
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ui->grdCompare->scrollTo(index);
}

void CompareWindow::Refresh()
{
    const ItemNumberCheck& check = m_comparison.Check();
    const QString file = m_comparison.FileName();
    setWindowTitle(QStringLiteral("Compare Item %1 - %2").arg(check.form.txtItemNum, file));
    ui->lblHeading->setText((check.outcome == ItemNumberCheck::Outcome::Free
                                 ? QStringLiteral("Item %1 is not defined in %2").arg(check.form.txtItemNum, file)
                                 : DescribeComparedDefinition(check, file))
                            + (m_comparison.FileProblem().isEmpty() ? QString() : m_comparison.NoteEnding()));
    {
        // The last definition first: the one a later line of the script makes.
        const QSignalBlocker quiet(ui->cboBlock);
        ui->cboBlock->clear();
        QList<int> lastFirst = check.lines;
        std::reverse(lastFirst.begin(), lastFirst.end());
        for (const int line : lastFirst)
            ui->cboBlock->addItem(QStringLiteral("line %1").arg(line), line);
        ui->cboBlock->setCurrentIndex(ui->cboBlock->findData(check.comparedLine));
        ui->cboBlock->setEnabled(check.lines.size() > 1);
    }
    // The row of the property selected stays selected, while it is shown.
    const ItemProperty* selected = Selected();
    m_model->Show(check, ui->chkOnlyDifferences->isChecked());
    // A value the form cannot take comes with its reason, wrapped in its cell: its row grows to show it.
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_model->RefusalAt(row).isEmpty())
            ui->grdCompare->resizeRowToContents(row);
    }
    const int differences = CountDifferences(check.comparison);
    if (check.outcome == ItemNumberCheck::Outcome::Free)
        ui->lblStatus->clear();  // the heading says so
    else if (differences == 0)
        ui->lblStatus->setText(
            QStringLiteral("No property differs from the definition at line %1.").arg(check.comparedLine));
    else
        ui->lblStatus->setText(QStringLiteral("%1 from the definition at line %2.")
                                   .arg(differences == 1 ? QStringLiteral("1 property differs")
                                                         : QStringLiteral("%1 properties differ").arg(differences),
                                        QString::number(check.comparedLine)));
    Offer(ui->cmdUseAll, check.outcome != ItemNumberCheck::Outcome::Free, NotAsLastRead());
    const int next = m_taken ? m_model->NextDifference(m_taken) : -1;
    const int row = next >= 0 ? next : m_model->RowOf(selected);
    SelectRow(row >= 0 ? row : std::max(m_model->FirstDifference(), 0));
    OfferSelectedValue();
}

void CompareWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
