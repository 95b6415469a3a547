// The Scenario Items window on a large scenario script: 3,000 item blocks
// among 30,000 lines of other definitions, 10 MB in all.
#include "ScenarioBenchmarks.h"

#include "startup/AppPaths.h"
#include "startup/ItemGlobal.h"
#include "ui/ItemEdit.h"
#include "ui/ScenarioItems.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString kGame = QStringLiteral(ITEMEDIT_SAMPLE_GAME);

void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

QStringList entriesOf(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

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

// The editor and its Scenario Items window, shown, with the large script written.
struct Fixture {
    QTemporaryDir dir;
    QString path = WriteLargeScenarioScript(dir);
    std::unique_ptr<ItemEdit> editor = ItemGlobal::StartEditor(kGame);
    ScenarioItems items{
        AppPaths::AppPath(kGame),
        {entriesOf(editor->cboVariety()), entriesOf(editor->cboSkill()), entriesOf(editor->cboSpecAbil(1))},
        nullptr};
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
    ScenarioItems items{
        AppPaths::AppPath(kGame),
        {entriesOf(editor->cboVariety()), entriesOf(editor->cboSkill()), entriesOf(editor->cboSpecAbil(1))},
        editor.get()};
    items.OpenScript(path);
    items.show();
    settle();
    items.repaint();
    const long peak = ResidentKb("VmHWM:"), now = ResidentKb("VmRSS:");
    std::printf("%lld %ld %ld %ld\n", fileKb, before, peak, now);
    return 0;
}
