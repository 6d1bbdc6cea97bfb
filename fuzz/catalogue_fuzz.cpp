// Feeds whole catalogue files, made of mutated bytes of small valid ones, through the program's
// own path: the main window's load (open, both name lists, the first card and its data
// controls) and File > Open of the same file. Besides crashes and memory errors, a file that
// keeps the program waiting is a failure (the fuzzer's -timeout). Legacy (Access-format) files
// go, as in the program, through the catalogue tool in a process of its own: the tool may die
// on a hostile file or be killed at its time limit, the program must not.
#include "app/frmZentMain.h"
#include "platform/db/Engine.h"
#include "platform/system/Registry.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

// Every open dialog chooses the catalogue; nothing else is asked.
class OpenTheCatalogue : public ui::Dialogs
{
public:
    QString file;

    ui::MessageAnswer messageBox(QWidget *, const ui::MessageBoxRequest &) override
    {
        return ui::MessageAnswer::No;
    }
    QString inputBox(QWidget *, const QString &, const QString &) override { return {}; }
    bool showOpen(QWidget *, ui::CommonDialogSettings &settings) override
    {
        settings.fileName = file;
        return true;
    }
    bool showSave(QWidget *, ui::CommonDialogSettings &) override { return false; }
    bool showPrinter(QWidget *, ui::CommonDialogSettings &, QPrinter &) override { return false; }
    bool showFont(QWidget *, ui::CommonDialogSettings &) override { return false; }
    bool showColor(QWidget *, ui::CommonDialogSettings &) override { return false; }
};

QTemporaryDir *programFolder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // This process read its sanitizer options when it started; the catalogue tool it starts reads
    // these: the memory the tool leaves to the system at its exit is no finding.
    qputenv("ASAN_OPTIONS", "detect_leaks=0");
    static QApplication app(*argc, *argv);
    static QTemporaryDir folder;
    programFolder = &folder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = programFolder->filePath("zentdeck.znt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    OpenTheCatalogue dialogs;
    dialogs.file = path;
    sys::Registry registry;
    // Well below the fuzzer's -timeout, so a tool that hangs is the tool's failure, not a hang.
    const catalogue::CatalogueTool tool{ZENT_PROGRAM_DIR "/zentcat", 2000};
    const db::Engine engine;
    frmZentMain main(AppContext{dialogs, registry, engine, programFolder->path(), tool});
    main.mnuFileOpen_Click();
    return 0;
}
