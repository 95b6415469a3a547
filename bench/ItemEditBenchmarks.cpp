// Speed and memory of the editor, each beside a bare window of the toolkit
// measured in the same run: a QMainWindow holding one label.
//
// itemedit_benchmarks [benchmark flags]   the timings, then peak memory
// itemedit_benchmarks --first-paint editor|bare   (a child of the above)
#include "ScenarioBenchmarks.h"

#include "model/BuildItemScript.h"
#include "platform/AppPaths.h"
#include "refdata/LoadReferenceFile.h"
#include "startup/ItemGlobal.h"
#include "ui/controls/EditorStyle.h"
#include "ui/controls/UpDown.h"
#include "ui/editor/FormHistory.h"
#include "ui/editor/ItemEdit.h"
#include "ui/editor/ItemForm.h"
#include "ui/sheets/ItemSheets.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <malloc.h>

namespace {

const QString kGame = QStringLiteral(ITEMEDIT_SAMPLE_GAME);

ItemDefinition everyFlagSet()
{
    ItemDefinition item;
    item.txtItemNum = "45";
    item.chkClearImport = true;
    item.txtName = "Ember Dagger";
    item.txtFullName = "Dagger of Embers";
    item.chkName = item.chkFullName = item.chkVariety = item.chkDamage = item.chkBonus = item.chkSkill = true;
    item.chkProtect = item.chkCharges = item.chkEncumb = item.chkFloorIcon = item.chkInvIcon = true;
    item.chkIconAdjust = item.chkSpecClass = item.chkValue = item.chkWeight = item.chkIdentify = true;
    item.chkMagic = item.chkCursed = item.chkUseOnce = item.chkJunk = item.chkMissile = true;
    item.cboVariety = {1, "One-Handed Weapon"};
    item.cboSkill = {2, "Edged Weapons"};
    item.txtDamage = item.txtBonus = item.txtProtect = item.txtCharges = item.txtEncumb = "12";
    item.txtIconAdjust = item.txtSpecClass = item.txtValue = item.txtWeight = "150";
    for (auto& slot : item.specAbil)
        slot = {{12, "Fire Damage"}, "5", true};
    return item;
}

void BM_BuildItemScript_EveryFlag(benchmark::State& state)
{
    const ItemDefinition item = everyFlagSet();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildItemScript(item));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildItemScript_EveryFlag);

void BM_ReadSampleReferenceFiles(benchmark::State& state)
{
    const QString data = AppPaths::EditorDataPath(AppPaths::AppPath(kGame));
    for (auto _ : state) {
        StringReferenceList varieties, skills, a1, a2, a3, a4;
        LoadReferenceFile(AppPaths::VarietyFile(data), {&varieties});
        LoadReferenceFile(AppPaths::SkillsFile(data), {&skills});
        LoadReferenceFile(AppPaths::AbilitiesFile(data), {&a1, &a2, &a3, &a4});
        benchmark::DoNotOptimize(a4.entries.size());
    }
}
BENCHMARK(BM_ReadSampleReferenceFiles)->Unit(benchmark::kMicrosecond);

void BM_Read10000RecordFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Abilities.dat");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        for (int i = 0; i < 10000; ++i)
            file.write(QByteArray::number(i) + ",\"Special ability number " + QByteArray::number(i) + "\"\r\n");
    }
    for (auto _ : state) {
        StringReferenceList list;
        LoadReferenceFile(path, {&list});
        benchmark::DoNotOptimize(list.entries.size());
    }
}
BENCHMARK(BM_Read10000RecordFile)->Unit(benchmark::kMicrosecond);

// Lets a window shown offscreen paint once.
void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

// The toolkit's own baseline: a main window holding one label, shown.
std::unique_ptr<QMainWindow> showBareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QLabel(QStringLiteral("Tarnwick Item Editor")));
    window->show();
    return window;
}

// Times creating a window, showing it and its first paint; closing it is not timed.
template <class MakeWindow>
void measureStartup(benchmark::State& state, MakeWindow makeWindow)
{
    for (auto _ : state) {
        auto window = makeWindow();
        settle();
        window->repaint();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

void BM_StartupEditor(benchmark::State& state)
{
    measureStartup(state, [] { return ItemGlobal::StartEditor(kGame); });
}
BENCHMARK(BM_StartupEditor)->Unit(benchmark::kMillisecond);

void BM_StartupBareWindow(benchmark::State& state) { measureStartup(state, showBareWindow); }
BENCHMARK(BM_StartupBareWindow)->Unit(benchmark::kMillisecond);

void BM_SheetStep(benchmark::State& state)
{
    std::unique_ptr<ItemEdit> window = ItemGlobal::StartEditor(kGame);
    settle();
    auto* spinner = window->findChild<UpDown*>("updSheetNum");
    int sheet = 1000;
    for (auto _ : state) {
        sheet = sheet == 1000 ? 1001 : 1000;
        spinner->setValue(sheet);
        benchmark::DoNotOptimize(window->sheets().SheetPath().size());
    }
}
BENCHMARK(BM_SheetStep)->Unit(benchmark::kMicrosecond);

// Undo and then Redo of one step, each to the painted form.
template <class Step>
void measureUndoRedo(benchmark::State& state, Step step)
{
    std::unique_ptr<ItemEdit> window = ItemGlobal::StartEditor(kGame);
    settle();
    step(*window);
    settle();
    for (auto _ : state) {
        window->mnuUndo_Click();
        window->repaint();
        window->mnuRedo_Click();
        window->repaint();
    }
}

void type(QWidget* box, const char* text)
{
    for (const char* c = text; *c != 0; ++c) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(QLatin1Char(*c)));
        QCoreApplication::sendEvent(box, &key);
    }
}

void BM_UndoRedoTyping(benchmark::State& state)
{
    measureUndoRedo(state, [](ItemEdit& w) { type(w.findChild<QLineEdit*>("txtName"), "Ember"); });
}
BENCHMARK(BM_UndoRedoTyping)->Unit(benchmark::kMillisecond);

// The costliest kind: the whole form, a variety whose rule changes frames, the sheet read again.
void BM_UndoRedoReset(benchmark::State& state)
{
    measureUndoRedo(state, [](ItemEdit& w) {
        QGuiApplication::clipboard()->setText(
            "begindefineitem 45;\r\n\tit_name = \"Ember\";\r\n\tit_variety = 5; // x\r\n\tit_floor_which_sheet = "
            "1003;\r\n\tit_floor_which_icon = 7;\r\n\tit_missile_anim_type = 2;");
        w.mnuPaste_Click();
        w.mnuReset_Click();
    });
}
BENCHMARK(BM_UndoRedoReset)->Unit(benchmark::kMillisecond);

// The memory the form's history takes for a full history of steps of one
// kind: typing, in two boxes by turns so that each key is a step of its own;
// and ticks.
void printHistoryMemory()
{
    for (const bool typing : {true, false}) {
        std::unique_ptr<ItemEdit> window = ItemGlobal::StartEditor(kGame);
        settle();
        window->form().cboVariety()->setCurrentIndex(1);  // a typed skill
        QWidget* boxes[] = {window->findChild<QLineEdit*>("txtIconAdjust"), window->form().cboSkill()->lineEdit()};
        auto* tick = window->findChild<QCheckBox*>("chkName");
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < FormHistory::kStepsKept; ++i) {
            if (typing)
                type(boxes[i % 2], "a");
            else
                tick->click();
        }
        const double bytes = double(mallinfo2().uordblks - before);
        std::printf("Form history, %d steps of %s: %.0f KiB, %.1f KiB a step\n", FormHistory::kStepsKept,
                    typing ? "typing" : "ticks", bytes / 1024, bytes / 1024 / FormHistory::kStepsKept);
    }
}

// A child process: starts the editor (or the bare window), shows it, lets it
// paint once, prints its peak memory and ends.
int firstPaintChild(const char* which)
{
    std::unique_ptr<QWidget> window;
    if (std::strcmp(which, "editor") == 0) {
        window = ItemGlobal::StartEditor(kGame);
    } else {
        window = showBareWindow();
    }
    settle();
    window->repaint();
    settle();
    // The high-water mark of this process's own memory. (getrusage's maxrss
    // would report the benchmark parent's peak, which a child keeps across exec.)
    std::printf("%ld\n", ResidentKb("VmHWM:"));
    return 0;
}

struct ChildRun {
    double milliseconds;
    long peakKb;
};

ChildRun runChild(const QString& self, const char* which)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(self, {QStringLiteral("--first-paint"), QString::fromLatin1(which)});
    child.waitForFinished(60000);
    return {double(timer.nsecsElapsed()) / 1e6, child.readAllStandardOutput().trimmed().toLong()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyEditorStyle(app);
    if (argc == 3 && std::strcmp(argv[1], "--first-paint") == 0)
        return firstPaintChild(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--scenario-memory") == 0)
        return ScenarioMemoryChild(QString::fromLocal8Bit(argv[2]));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printHistoryMemory();

    // Whole processes, started alternately: program start to first paint.
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> editorMs, bareMs;
    long editorKb = 0, bareKb = 0;
    for (int i = 0; i < 11; ++i) {
        const ChildRun editor = runChild(self, "editor");
        const ChildRun bare = runChild(self, "bare");
        editorMs.push_back(editor.milliseconds);
        bareMs.push_back(bare.milliseconds);
        editorKb = std::max(editorKb, editor.peakKb);
        bareKb = std::max(bareKb, bare.peakKb);
    }
    const double e = median(editorMs), b = median(bareMs);
    std::printf("Process start to first paint (median of 11): editor %.1f ms, bare window %.1f ms, ratio %.2f\n", e, b,
                e / b);
    std::printf("Peak resident memory: editor %ld KiB, bare window %ld KiB, ratio %.2f\n", editorKb, bareKb,
                bareKb > 0 ? double(editorKb) / double(bareKb) : 0.0);

    // Memory and time for scenario scripts, each in a process of its own: the
    // large realistic one, then the worst cases.
    QTemporaryDir dir;
    QList<std::pair<QString, QString>> scripts = {{QStringLiteral("a 10 MB campaign"), WriteLargeScenarioScript(dir)}};
    scripts += WriteWorstScenarioScripts(dir);
    for (const auto& [what, path] : scripts) {
        QProcess child;
        child.start(self, {QStringLiteral("--scenario-memory"), path});
        child.waitForFinished(120000);
        const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
        if (figures.size() != 6)
            continue;
        const double file = figures[0].toDouble(), before = figures[1].toDouble(), peak = figures[2].toDouble(),
                     held = figures[3].toDouble();
        const int rows = figures[5].toInt();
        std::printf("Scenario script, %s (%.1f MiB): %s in %s ms; peak memory %.1f MiB above the editor's own %.1f MiB "
                    "(%.2f times the file), %.1f MiB held then\n",
                    qPrintable(what), file / 1024,
                    rows < 0 ? "refused" : qPrintable(QStringLiteral("%1 rows listed").arg(rows)),
                    figures[4].constData(), (peak - before) / 1024, before / 1024, (peak - before) / file,
                    (held - before) / 1024);
    }
    return 0;
}
