#include "ui/scenario/ScenarioItems.h"

#include "ui_ScenarioItems.h"

#include "model/ScenarioFile.h"
#include "ui/scenario/ScenarioItemsModel.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolButton>

#include <algorithm>

ScenarioItems::ScenarioItems(const QString& appPath, ScriptLists lists, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::ScenarioItems>()), m_model(new ScenarioItemsModel(this)),
      m_lists(std::move(lists)), m_icons(appPath)
{
    ui->setupUi(this);
    // The line edit's own clear button is named for a screen reader too.
    for (QToolButton* button : ui->txtFind->findChildren<QToolButton*>())
        button->setAccessibleName(QStringLiteral("Clear Find"));
    ui->grdItems->setModel(m_model);
    // Widths set once: measuring the rows for their widths would read every
    // one of them. A variety column as wide as the longest entry of its list;
    // the number and line columns fit each script listed (FitNumberColumns).
    const int character = fontMetrics().averageCharWidth();
    int variety = 8 * character;
    for (const QString& entry : m_lists.varieties)
        variety = std::max(variety, fontMetrics().horizontalAdvance(entry) + 12);
    const std::pair<ScenarioItemsModel::Column, int> widths[] = {{ScenarioItemsModel::Icon, 40},
                                                                 {ScenarioItemsModel::Name, 20 * character},
                                                                 {ScenarioItemsModel::FullName, 26 * character},
                                                                 {ScenarioItemsModel::Variety, variety}};
    for (const auto& [column, width] : widths)
        ui->grdItems->setColumnWidth(column, width);
    ui->grdItems->installEventFilter(this);
    ui->txtFind->installEventFilter(this);
    // The desktop's Find key reaches the box from anywhere in the window, its text selected so that typing replaces it.
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        ui->txtFind->setFocus(Qt::ShortcutFocusReason);
        ui->txtFind->selectAll();
    });
    connect(ui->txtFind, &QLineEdit::textChanged, this, &ScenarioItems::txtFind_Change);
    connect(ui->grdItems, &QTableView::activated, this, &ScenarioItems::grdItems_Activated);
    connect(ui->grdItems->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ScenarioItems::ShowNotes);
    // Room for two lines of notes, so that the table keeps its height from row to row for most of them.
    ui->lblNotes->setMinimumHeight(2 * fontMetrics().lineSpacing());

    m_refresh.setSingleShot(true);
    m_refresh.setInterval(200);
    connect(&m_refresh, &QTimer::timeout, this, &ScenarioItems::FileMayHaveChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        m_fileChanged = true;
        m_refresh.start();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_refresh.start(); });
}

ScenarioItems::~ScenarioItems() = default;

QTableView* ScenarioItems::grdItems() const { return ui->grdItems; }
QLineEdit* ScenarioItems::txtFind() const { return ui->txtFind; }
QLabel* ScenarioItems::lblStatus() const { return ui->lblStatus; }
QLabel* ScenarioItems::lblNotes() const { return ui->lblNotes; }

QString ScenarioItems::FileName() const { return QFileInfo(m_path).fileName(); }

QString ScenarioItems::OpenScript(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Stamped before reading: a change while the file is read shows as a new stamp.
    const FileStamp stamp = StampOf(absolute);
    ScenarioScript script;
    if (const QString refused = ReadScript(absolute, script); !refused.isEmpty())
        return refused + u'.';
    m_path = absolute;
    m_fileProblem.clear();
    m_statusProblem.clear();
    m_stamp = stamp;
    m_fileChanged = false;
    m_refresh.stop();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    Watch();
    setWindowTitle(QStringLiteral("Scenario Items - ") + FileName());
    // Emptied with its signal, on which the box also hides its clear button.
    ui->txtFind->clear();
    List(std::move(script), -1);
    return {};
}

void ScenarioItems::Reload()
{
    Watch();
    m_stamp = StampOf(m_path);
    m_fileChanged = false;
    ScenarioScript script;
    if (!m_stamp.exists) {
        m_fileProblem = QStringLiteral("%1 is no longer in its folder").arg(FileName());
        m_statusProblem = m_fileProblem + QStringLiteral("; the list is as last read.");
        ShowStatus();
    } else if (const QString refused = ReadScript(m_path, script); !refused.isEmpty()) {
        m_fileProblem = refused;
        m_statusProblem = refused + QStringLiteral(". The list is as last read.");
        ShowStatus();
    } else {
        m_fileProblem.clear();
        m_statusProblem.clear();
        const QModelIndex current = ui->grdItems->currentIndex();
        List(std::move(script), current.isValid() ? m_model->NumberAt(current.row()) : -1);
    }
    emit Reread();
}

QString ScenarioItems::ReadScript(const QString& path, ScenarioScript& script) const
{
    ScenarioFileRead read = ReadScenarioFile(path);
    const QString name = QFileInfo(path).fileName();
    using R = ScenarioFileRead::Result;
    switch (read.result) {
    case R::Read: break;
    case R::TooLarge:
        return QStringLiteral("\"%1\" is larger than 32 MiB: it is too large for a scenario script").arg(name);
    case R::Binary:
        return QStringLiteral("\"%1\" holds a NUL byte: it is a binary file, not a scenario script").arg(name);
    case R::NotRegular:
        return QStringLiteral("\"%1\" is not a regular file but %2: only a file can be a scenario script")
            .arg(name, read.reason);
    case R::Unreadable: return QStringLiteral("\"%1\" cannot be read: %2").arg(name, read.reason);
    case R::Undecodable:
        return QStringLiteral("\"%1\" begins with the byte-order mark of %2, but the rest is not %2 text: it cannot "
                              "be read as a scenario script")
            .arg(name, read.reason);
    }
    script = ScenarioScript(std::move(read.text), m_lists);
    if (script.TooManyBlocks())
        return QStringLiteral("\"%1\" holds more than %2 item blocks: item numbers run from 0 to 499, so it is "
                              "no scenario script this list can help with")
            .arg(name, QLocale().toString(ScenarioScript::kMostItemBlocks));
    return {};
}

void ScenarioItems::List(ScenarioScript script, int keepNumber)
{
    m_script = std::move(script);
    // Sheets are read afresh with every list: one may have been added or drawn anew meanwhile.
    m_icons.Clear();
    m_model->SetScript(&m_script, m_icons);
    FitNumberColumns();
    ShowStatus();
    const QList<int> rows = m_model->RowsOf(keepNumber);
    SelectRow(rows.isEmpty() ? 0 : rows.front());
    ShowNotes();
}

void ScenarioItems::FitNumberColumns()
{
    // Each wide enough for its largest value in the script, a line number of
    // a million lines included, with the mark of a number defined twice: a
    // number cut short would say nothing.
    qsizetype numberDigits = 1;
    int lastLine = 0;
    // A refused number, which may be any text, is cut short rather than widening the column.
    for (const ScenarioBlock& block : m_script.Blocks()) {
        if (block.number >= 0)
            numberDigits = std::max(numberDigits, block.numberText.size());
        lastLine = std::max(lastLine, block.line);
    }
    const int character = fontMetrics().averageCharWidth();
    const auto fit = [this](ScenarioItemsModel::Column column, qsizetype digits, int least) {
        QStyleOptionViewItem option;
        option.initFrom(ui->grdItems);
        option.font = ui->grdItems->font();
        option.font.setBold(true);  // as the rows of the form's item number show them
        option.fontMetrics = QFontMetrics(option.font);
        option.features = QStyleOptionViewItem::HasDisplay;
        option.text = QString(digits, u'0');  // digits are of one width
        if (column == ScenarioItemsModel::Number) {
            option.features |= QStyleOptionViewItem::HasDecoration;
            option.decorationSize = QSize(16, 16);
        }
        const int cell = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), ui->grdItems).width();
        ui->grdItems->setColumnWidth(
            column, std::max({least, cell + 1, ui->grdItems->horizontalHeader()->sectionSizeHint(column)}));
    };
    fit(ScenarioItemsModel::Number, numberDigits, 9 * character);
    fit(ScenarioItemsModel::Line, QString::number(lastLine).size(), 7 * character);
}

void ScenarioItems::ShowStatus()
{
    // The encoding the script was read in is named, since a wrong guess shows only in its names.
    const QString encoding = ScenarioText::NameOf(m_script.FileEncoding());
    if (!m_statusProblem.isEmpty()) {
        ui->lblStatus->setText(m_statusProblem);
    } else if (m_script.Blocks().empty()) {
        ui->lblStatus->setText(QStringLiteral("No item blocks in %1 (read as %2).").arg(FileName(), encoding));
    } else {
        ScenarioSummary summary = SummarizeScenario(m_script.Blocks());
        if (!ui->txtFind->text().isEmpty())
            summary.shown = m_model->rowCount();
        ui->lblStatus->setText(DescribeSummary(summary) + QStringLiteral("; read as ") + encoding);
    }
}

void ScenarioItems::ShowNotes() { ui->lblNotes->setText(m_model->NotesAt(ui->grdItems->currentIndex().row())); }

void ScenarioItems::ShowWindow()
{
    show();
    raise();
    activateWindow();
    ui->grdItems->setFocus(Qt::OtherFocusReason);
}

void ScenarioItems::SelectItemNumber(int number)
{
    const QList<int> rows = m_model->RowsOf(number);
    if (!rows.isEmpty())
        SelectRow(rows.front());
}

void ScenarioItems::MarkItemNumber(int number) { m_model->MarkNumber(number); }

void ScenarioItems::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, ScenarioItemsModel::Number);
    ui->grdItems->selectionModel()->setCurrentIndex(index,
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ui->grdItems->scrollTo(index);
}

void ScenarioItems::txtFind_Change()
{
    m_model->SetFilter(ui->txtFind->text());
    SelectRow(0);
    ShowNotes();
    ShowStatus();
}

void ScenarioItems::grdItems_Activated(const QModelIndex& index)
{
    const int block = m_model->BlockAt(index.row());
    if (block < 0)
        return;
    const ItemScriptReading reading = m_script.Read(m_script.Blocks()[std::size_t(block)]);
    if (reading.result == ItemScriptReading::Result::Read)
        emit LoadRequested(reading);
}

void ScenarioItems::SearchNumber(const QString& digits)
{
    // Digits typed in quick succession make one number, as a list's typing search does.
    if (!m_typedAt.isValid() || m_typedAt.elapsed() > QApplication::keyboardInputInterval())
        m_typedDigits.clear();
    m_typedAt.start();
    m_typedDigits += digits;
    SelectRow(m_model->FirstRowStartingWith(m_typedDigits));
}

bool ScenarioItems::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (watched == ui->grdItems && plain && !key->text().isEmpty()) {
        bool digits = true;
        for (QChar c : key->text())
            digits = digits && c.isDigit();
        if (digits) {
            SearchNumber(key->text());
            return true;
        }
    }
    if (watched == ui->grdItems && !(key->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        && (key->key() == Qt::Key_Home || key->key() == Qt::Key_End)) {
        // The first or the last row, as in any list: the table alone would
        // move along the row and leave the selection where it is.
        SelectRow(key->key() == Qt::Key_Home ? 0 : m_model->rowCount() - 1);
        return true;
    }
    if (watched == ui->txtFind) {
        // The filter box moves through the rows it leaves and loads the selected one.
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: QCoreApplication::sendEvent(ui->grdItems, event); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: grdItems_Activated(ui->grdItems->currentIndex()); return true;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ScenarioItems::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- Watching the script ------------------------------------------------------

ScenarioItems::FileStamp ScenarioItems::StampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified(), info.metadataChangeTime()};
}

void ScenarioItems::Watch()
{
    // The folder tells of a new file renamed over the script and of a deleted
    // script coming back; the file itself tells of a write in place. A file
    // replaced or deleted leaves the file watch, so it is added again. While
    // the folder itself is gone, the nearest folder above it tells when it
    // comes back.
    QString folder = QFileInfo(m_path).absolutePath();
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).path() != folder)
        folder = QFileInfo(folder).path();
    for (const QString& watched : m_watcher.directories()) {
        if (watched != folder)
            m_watcher.removePath(watched);
    }
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void ScenarioItems::FileMayHaveChanged()
{
    // The folder also changes when other files in it do: those leave the script's stamp as it was.
    Watch();
    if (m_fileChanged || StampOf(m_path) != m_stamp)
        Reload();
}
