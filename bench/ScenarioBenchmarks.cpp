// The Scenario Items window on a large scenario script: 3,000 item blocks
// among 30,000 lines of other definitions, 10 MB in all.
#include "ScenarioBenchmarks.h"

#include "model/BuildItemScript.h"
#include "model/ItemNumberCheck.h"
#include "model/ScenarioScript.h"
#include "platform/AppPaths.h"
#include "startup/ItemGlobal.h"
#include "ui/controls/FileChooser.h"
#include "ui/editor/ItemEdit.h"
#include "ui/editor/ItemForm.h"
#include "ui/scenario/ScenarioItems.h"
#include "ui/scenario/ScenarioLink.h"
#include "ui/scenario/ScriptComparison.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString kGame = QStringLiteral(ITEMEDIT_SAMPLE_GAME);

void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

// A scenario script as large as a long campaign's: a town special of ten
// lines before each item block, and one long town special up front to make up
// 10 MB.
}  // namespace

QString WriteLargeScenarioScript(const QTemporaryDir& dir)
{
    const QByteArray message =
        QByteArray("The wind howls through the broken gate, and a door slams shut below. ").repeated(4);
    QByteArray blocks;
    for (int item = 0; item < 3000; ++item) {
        blocks += "begindefinetownspecial " + QByteArray::number(item) + ";\r\n";
        for (int m = 0; m < 9; ++m)
            blocks += "\tts_message = \"" + message.left(200 + m * 5) + "\";\r\n";
        blocks += "begindefineitem " + QByteArray::number(item % 500) + ";\r\n\tclear;\r\n\tit_name = \"Item "
                  + QByteArray::number(item) + "\";\r\n\tit_full_name = \"Sample item number "
                  + QByteArray::number(item) + "\";\r\n\tit_variety = " + QByteArray::number(item % 25)
                  + "; // V\r\n\tit_floor_which_sheet = " + QByteArray::number(1000 + item % 49)
                  + ";\r\n\tit_floor_which_icon = " + QByteArray::number(item % 10)
                  + ";\r\n\tit_inventory_icon = 1;\r\n\tit_value = " + QByteArray::number(item)
                  + ";\r\n\tit_weight = 9;\r\n\r\n";
    }
    QByteArray lead = "begindefinetownspecial 0;\r\n";
    while (lead.size() + blocks.size() < 10'000'000)
        lead += "\tts_message = \"" + message.left(220) + "\";\r\n";
    const QString path = dir.filePath(QStringLiteral("campaign.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(lead + blocks) != lead.size() + blocks.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return path;
}

namespace {

constexpr qsizetype kWorstSize = qsizetype(31) * 1024 * 1024;

QString writeRepeated(const QTemporaryDir& dir, const char* name, const QByteArray& lead, const QByteArray& unit,
                      qsizetype units)
{
    QByteArray bytes = lead;
    bytes.reserve(kWorstSize);
    for (qsizetype i = 0; i < units && bytes.size() + unit.size() <= kWorstSize; ++i)
        bytes += unit;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return path;
}

const QByteArray kEveryProperty =
    "begindefineitem 45;\r\n\tclear;\r\n\tit_name = \"Ember Dagger\";\r\n\tit_full_name = \"Dagger of Embers\";\r\n"
    "\tit_variety = 5; // Thrown Missile\r\n\tit_damage_per_level = 12;\r\n\tit_bonus = 12;\r\n"
    "\tit_weapon_skill_used = 2; // Edged Weapons\r\n\tit_protection = 12;\r\n\tit_charges = 12;\r\n"
    "\tit_encumbrance = 12;\r\n\tit_floor_which_sheet = 1003;\r\n\tit_floor_which_icon = 7;\r\n"
    "\tit_inventory_icon = 7;\r\n\tit_icon_adjust = 150;\r\n"
    "\tit_ability_1 = 12; // Fire Damage\r\n\tit_ability_str_1 = 5;\r\n\tit_ability_2 = 12; // Fire Damage\r\n"
    "\tit_ability_str_2 = 5;\r\n\tit_ability_3 = 12; // Fire Damage\r\n\tit_ability_str_3 = 5;\r\n"
    "\tit_ability_4 = 12; // Fire Damage\r\n\tit_ability_str_4 = 5;\r\n\tit_special_class = 15;\r\n"
    "\tit_value = 150;\r\n\tit_weight = 150;\r\n\tit_identified = 1;\r\n\tit_magic = 1;\r\n\tit_cursed = 1;\r\n"
    "\tit_once_per_day = 1;\r\n\tit_junk_item = 1;\r\n\tit_missile_anim_type = 2;\r\n";

}  // namespace

QList<std::pair<QString, QString>> WriteWorstScenarioScripts(const QTemporaryDir& dir)
{
    const qsizetype many = kWorstSize;
    const QByteArray filler = "// " + QByteArray(200, '=') + "\r\n";
    QByteArray lead;
    while (lead.size() + kEveryProperty.size() * ScenarioScript::kMostItemBlocks < kWorstSize - filler.size())
        lead += filler;
    return {
        {QStringLiteral("31 MiB of minimal item blocks"),
         writeRepeated(dir, "minimal.txt", {}, "begindefineitem 1;\n", many)},
        {QStringLiteral("31 MiB of item blocks with every property"),
         writeRepeated(dir, "every.txt", {}, kEveryProperty, many)},
        {QStringLiteral("the most item blocks listed, with every property, in 31 MiB"),
         writeRepeated(dir, "most.txt", lead, kEveryProperty, ScenarioScript::kMostItemBlocks)},
        {QStringLiteral("one item block of 31 MiB of lines not applied"),
         writeRepeated(dir, "one.txt", "begindefineitem 1;\n", "it_nmae = \"x\";\n", many)},
    };
}

namespace {

// The editor and its Scenario Items window, shown, with the large script written.
struct Fixture {
    QTemporaryDir dir;
    QString path = WriteLargeScenarioScript(dir);
    std::unique_ptr<ItemEdit> editor = ItemGlobal::StartEditor(kGame);
    ScenarioItems items{AppPaths::AppPath(kGame), editor->form().Lists(), nullptr};
    Fixture()
    {
        items.show();
        settle();
    }
};

// Read, listed with icons and painted.
void BM_OpenLargeScenario(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        f.items.OpenScript(f.path);
        settle();
        f.items.repaint();
    }
    state.counters["rows"] = double(f.items.grdItems()->model()->rowCount());
}
BENCHMARK(BM_OpenLargeScenario)->Unit(benchmark::kMillisecond);

void BM_RereadLargeScenario(benchmark::State& state)
{
    Fixture f;
    f.items.OpenScript(f.path);
    for (auto _ : state) {
        f.items.Reload();
        settle();
        f.items.repaint();
    }
}
BENCHMARK(BM_RereadLargeScenario)->Unit(benchmark::kMillisecond);

// One keystroke in "Find:" over 3,000 rows, to the painted list: typing "1",
// "12", "123", then erasing back to nothing.
void BM_FilterKeystroke(benchmark::State& state)
{
    Fixture f;
    f.items.OpenScript(f.path);
    const QStringList texts = {"1", "12", "123", "12", "1", ""};
    qsizetype at = 0;
    for (auto _ : state) {
        f.items.txtFind()->setText(texts[at++ % texts.size()]);
        settle();
        f.items.repaint();
    }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// The form compared with the blocks of its number, as after each change of
// the form: item 45 of the large script, defined six times, one of them loaded
// and its name changed.
void BM_CompareWithLargeScenario(benchmark::State& state)
{
    Fixture f;
    f.items.OpenScript(f.path);
    const ScenarioScript& script = f.items.Script();
    ItemDefinition item = script.Read(script.Blocks()[std::size_t(script.BlocksNumbered(45).back())]).item;
    item.txtName += QStringLiteral("x");
    const QString generated = BuildItemScript(item);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckItemNumber(script, generated).comparison.size());
}
BENCHMARK(BM_CompareWithLargeScenario)->Unit(benchmark::kMicrosecond);

// One key typed into the item name with the large script open, to the painted
// form: the key, the comparison it brings (run at once rather than after its
// pause) with the marks, and the paint.
void BM_KeyWithScenarioOpen(benchmark::State& state)
{
    Fixture f;
    // The "Open Scenario Script" dialog answered with the large script.
    UseFileChooser([&f](const FileRequest&, QWidget*) { return std::optional(f.path); });
    f.editor->mnuOpenScenario_Click();
    UseFileChooser(ChooseFileWithToolkitDialog);
    settle();
    auto* name = f.editor->findChild<QLineEdit*>(QStringLiteral("txtName"));
    auto* comparison = f.editor->findChild<ScriptComparison*>();
    f.editor->findChild<QTabWidget*>()->setCurrentIndex(0);
    for (auto _ : state) {
        const bool erase = name->text().size() >= 10;
        QKeyEvent key(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_A, Qt::NoModifier,
                      erase ? QString() : QStringLiteral("a"));
        if (erase)
            name->clear();
        QCoreApplication::sendEvent(name, &key);
        comparison->Compare();
        f.editor->repaint();
    }
}
BENCHMARK(BM_KeyWithScenarioOpen)->Unit(benchmark::kMillisecond);

}  // namespace

long ResidentKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Prints the script's size, the editor's peak memory before the script is
// opened, the peak after it is listed and the memory held then, in KiB.
int ScenarioMemoryChild(const QString& path)
{
    const qint64 fileKb = QFile(path).size() / 1024;
    std::unique_ptr<ItemEdit> editor = ItemGlobal::StartEditor(kGame);
    settle();
    editor->repaint();
    const long before = ResidentKb("VmHWM:");
    QElapsedTimer timer;
    timer.start();
    ScenarioItems items{AppPaths::AppPath(kGame), editor->form().Lists(), editor.get()};
    const QString refused = items.OpenScript(path);
    items.show();
    settle();
    items.repaint();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const long peak = ResidentKb("VmHWM:"), now = ResidentKb("VmRSS:");
    std::printf("%lld %ld %ld %ld %.0f %d\n", fileKb, before, peak, now, ms,
                refused.isEmpty() ? items.grdItems()->model()->rowCount() : -1);
    return 0;
}
