// The main window on the bundled catalogue and a 20,000-row synthetic one: its creation up to the
// end of its load (name lists, data controls and first picture included), and File > Open.
#include "app/frmZentMain.h"
#include "platform/system/Registry.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace ui;
using namespace sys;
using namespace deck;

namespace {

// Answers the open dialog with one file and nothing else is ever asked.
class OpenAnswer : public Dialogs
{
public:
    QString file;

    MessageAnswer messageBox(QWidget *, const MessageBoxRequest &) override { return MessageAnswer::No; }
    QString inputBox(QWidget *, const QString &, const QString &) override { return {}; }
    bool showOpen(QWidget *, CommonDialogSettings &settings) override
    {
        settings.fileName = file;
        return true;
    }
    bool showSave(QWidget *, CommonDialogSettings &) override { return false; }
    bool showPrinter(QWidget *, CommonDialogSettings &, QPrinter &) override { return false; }
    bool showFont(QWidget *, CommonDialogSettings &) override { return false; }
    bool showColor(QWidget *, CommonDialogSettings &) override { return false; }
};

struct Folder
{
    const char *label;
    QString path;
};

void createAndLoad(benchmark::State &state, const Folder *folder)
{
    OpenAnswer dialogs;
    Registry registry;
    const AppContext context{dialogs, registry, folder->path};
    for (auto _ : state) {
        auto main = std::make_unique<frmZentMain>(context);
        state.PauseTiming(); // closing is not part of the load
        main.reset();
        state.ResumeTiming();
    }
}

void fileOpen(benchmark::State &state, const Folder *folder)
{
    OpenAnswer dialogs;
    dialogs.file = folder->path + "/zentdeck.znt";
    Registry registry;
    frmZentMain main(AppContext{dialogs, registry, folder->path});
    for (auto _ : state)
        main.mnuFileOpen_Click();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    static Folder folders[] = {
        {"bundled", qEnvironmentVariable("ZENT_BENCH_BUNDLED_DIR", ZENT_PROGRAM_DIR)},
        {"synthetic20000",
         qEnvironmentVariable("ZENT_BENCH_SYNTHETIC_DIR", ZENT_BENCH_DIR "/synthetic-20000")},
    };
    for (const Folder &folder : folders) {
        if (!QFile::exists(folder.path + "/zentdeck.znt")) {
            std::fprintf(stderr, "skipping %s: no catalogue in %s\n", folder.label,
                         qPrintable(folder.path));
            continue;
        }
        benchmark::RegisterBenchmark((std::string(folder.label) + "/create_and_load").c_str(),
                                     createAndLoad, &folder)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(folder.label) + "/file_open").c_str(), fileOpen,
                                     &folder)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
