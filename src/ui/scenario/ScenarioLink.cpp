#include "ui/scenario/ScenarioLink.h"

#include "model/BuildItemScript.h"
#include "model/ItemNumberCheck.h"
#include "platform/AppPaths.h"
#include "ui/controls/EditorStyle.h"
#include "ui/controls/FileChooser.h"
#include "ui/controls/ShowMessage.h"
#include "ui/scenario/CompareWindow.h"
#include "ui/scenario/ScenarioForm.h"
#include "ui/scenario/ScenarioItems.h"
#include "ui/scenario/ScriptComparison.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <array>

namespace {

// Places `window`, about to be shown the first time, beside the editor window on its screen, so that the form stays
// in view: to the right, else to the left, the side where `other` (another window of the link, if shown) stands last;
// on the first side with room for its width, else on the first with room for it narrowed while its controls still
// fit. Without that room the window system places it.
void PlaceBeside(QWidget* window, const QWidget* editor, const QWidget* other = nullptr)
{
    const QRect area = editor->screen()->availableGeometry();
    const QRect outer = editor->frameGeometry();
    const QRect inner = editor->geometry();
    // The window's frame as thick as the editor's: one window system draws both.
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    // Each side with the room it leaves for the window, its frame aside.
    const int frameWidth = frame.left() + frame.right();
    std::array sides{std::pair{true, area.right() - outer.right() - frameWidth},
                     std::pair{false, outer.left() - area.left() - frameWidth}};
    if (other && other->isVisible() && other->frameGeometry().center().x() > outer.center().x())
        std::swap(sides[0], sides[1]);
    // The first side with room for the window's width, else for the window narrowed while its controls still fit.
    const std::pair<bool, int>* side = nullptr;
    for (const int width : {window->width(), window->minimumSizeHint().width()}) {
        for (const auto& each : sides) {
            if (!side && each.second >= width)
                side = &each;
        }
    }
    if (!side)
        return;
    const auto [toRight, room] = *side;
    window->resize(std::min(window->width(), room),
                   std::min(window->height(), area.height() - frame.top() - frame.bottom()));
    const QSize framed = window->size().grownBy(frame);
    window->move(toRight ? outer.right() + 1 : outer.left() - framed.width(),
                 std::clamp(outer.top(), area.top(), area.bottom() + 1 - framed.height()));
}

}  // namespace

ScenarioLink::ScenarioLink(QString appPath, ScenarioForm& form, const Controls& controls, QWidget* window)
    : QObject(window), m_appPath(std::move(appPath)), m_form(form), ui(controls), m_window(window),
      m_comparison(new ScriptComparison([this] { return m_scenarioItems; },
                                        [this] { return GenerateScript(m_form.CurrentItem()); }, this))
{
    connect(m_comparison, &ScriptComparison::Compared, this, &ScenarioLink::ShowNote);
    for (const ScenarioForm::MarkPlace& place : m_form.MarkPlaces())
        m_comparison->AddMark(place.anchor, place.properties, place.described);
}

ScenarioLink::~ScenarioLink() = default;

void ScenarioLink::OpenScript()
{
    OpenFileDialog& dialog = m_dlgOpenScenario;
    dialog.DialogTitle = QStringLiteral("Open Scenario Script");
    dialog.Filter = QStringLiteral("Scenario Scripts (*.txt)|*.txt|All Files|*.*");
    dialog.FilterIndex = 1;
    dialog.Flags = kFileMustExist;
    dialog.InitDir = m_scenarioItems ? AppPaths::FolderOfFile(m_scenarioItems->ScriptPath()) : m_appPath;
    if (dialog.ShowOpen(m_window))
        OpenScript(dialog.FileName);
}

void ScenarioLink::OpenScript(const QString& path)
{
    const QString title = QStringLiteral("Open Scenario Script");
    if (!m_scenarioItems) {
        auto* window = new ScenarioItems(m_appPath, m_form.Lists(), m_window);
        window->addAction(ui.mnuOpenScenario);
        connect(window, &ScenarioItems::LoadRequested, this, [this](const ItemScriptReading& reading) {
            Load(reading, QStringLiteral("Load from Scenario Items"));
        });
        connect(window, &ScenarioItems::Reread, this, [this] { ShowNumberCheck(false); });
        const QString refused = window->OpenScript(path);
        if (!refused.isEmpty()) {
            delete window;
            ShowMessage(m_window, title, QMessageBox::Warning, refused);
            return;
        }
        m_scenarioItems = window;
        PlaceBeside(window, m_window);
    } else if (const QString refused = m_scenarioItems->OpenScript(path); !refused.isEmpty()) {
        // The script open before stays open.
        ShowMessage(m_window, title, QMessageBox::Warning, refused);
        return;
    }
    ui.mnuScenarioItems->setEnabled(true);
    m_scenarioItems->ShowWindow();
    ShowNumberCheck(true);
}

void ScenarioLink::ShowItems()
{
    if (m_scenarioItems)
        m_scenarioItems->ShowWindow();
}

void ScenarioLink::Load(const ItemScriptReading& reading, const QString& command)
{
    // The item loaded is compared with its own definition, however many others of its number there are.
    m_comparison->ChooseDefinition(reading.line);
    emit LoadRequested(reading, command,
                       QStringLiteral("the definition at line %1 of %2")
                           .arg(QString::number(reading.line), m_scenarioItems->FileName()));
}

void ScenarioLink::ShowNumberCheck(bool selectRows)
{
    m_comparison->Compare();
    const ItemNumberCheck& check = m_comparison->Check();
    if (selectRows && m_scenarioItems && check.outcome != ItemNumberCheck::Outcome::Free)
        m_scenarioItems->SelectItemNumber(check.number);
}

void ScenarioLink::FormChanged() { m_comparison->Schedule(); }

void ScenarioLink::ShowNote()
{
    const ItemNumberCheck& check = m_comparison->Check();
    ui.mnuCompare->setEnabled(check.outcome != ItemNumberCheck::Outcome::Free);
    if (m_scenarioItems)
        m_scenarioItems->MarkItemNumber(check.number);
    // The script as last read may no longer be the file: the note says so, as the list does.
    const QString fileProblem = m_comparison->FileProblem();
    const QString text = ui.txtScript->isEnabled()
                             ? DescribeItemNumberCheck(check, m_comparison->FileName(), m_comparison->NoteEnding())
                             : QString();
    // A warning where pasting the script back would change the definition:
    // a property differs, or the form leaves out lines of it; or where the
    // file is not what was read.
    const bool warn =
        check.outcome == ItemNumberCheck::Outcome::Differs || check.leftOutCount > 0 || !fileProblem.isEmpty();
    QPalette palette = ui.lblNumberCheck->palette();
    palette.setColor(QPalette::WindowText,
                     warn ? WarningTextColour() : QApplication::palette().color(QPalette::WindowText));
    ui.lblNumberCheck->setPalette(palette);
    ui.lblNumberCheck->setText(text);
    ui.lblNumberCheck->setToolTip(text);
    ui.lblNumberCheck->setVisible(!text.isEmpty());
    if (warn && ui.imgNumberCheck->pixmap().isNull())
        ui.imgNumberCheck->setPixmap(
            ui.imgNumberCheck->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    ui.imgNumberCheck->setVisible(warn && !text.isEmpty());
}

void ScenarioLink::ShowComparison()
{
    if (!m_compareWindow) {
        m_compareWindow = new CompareWindow(*m_comparison, m_window);
        m_compareWindow->addAction(ui.mnuUndo);
        m_compareWindow->addAction(ui.mnuRedo);
        connect(m_compareWindow, &CompareWindow::UseValue, this, &ScenarioLink::UseScriptValue);
        connect(m_compareWindow, &CompareWindow::UseAll, this, &ScenarioLink::UseScriptDefinition);
        PlaceBeside(m_compareWindow, m_window, m_scenarioItems);
    }
    m_comparison->Compare();
    m_compareWindow->ShowWindow();
}

void ScenarioLink::UseScriptValue(const ItemProperty* property)
{
    m_form.ApplyValue(*property, m_comparison->Check().compared);
}

void ScenarioLink::UseScriptDefinition(int line)
{
    const ScenarioScript& script = m_scenarioItems->Script();
    for (const int at : script.BlocksNumbered(m_comparison->Check().number)) {
        const ScenarioBlock& block = script.Blocks()[std::size_t(at)];
        if (block.line == line)
            Load(script.Read(block), QStringLiteral("Use All Script Values"));
    }
}
