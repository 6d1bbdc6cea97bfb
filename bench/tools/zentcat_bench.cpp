// zentcat's import of a 20,000-card Access-format catalogue: as the program starts it (a process
// of its own), and the same work inside this process, to tell the reading from the start-up.
// The large file is not part of the project; without it the benchmarks say so and skip.
#include "Commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The shared folder beside the project, or where ZENT_SHARED_DIR says.
QString packedFile()
{
    const QString shared = qEnvironmentVariable("ZENT_SHARED_DIR", ZENT_SHARED_DIR);
    return shared + "/legacy-catalogues/large/synthetic-20000-2000.znt.xz";
}

// The unpacked file, made once in a folder that lives as long as the benchmarks.
const QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    static const bool unpacked = [] {
        const QString packed = packedFile();
        if (!QFile::exists(packed))
            return false;
        QProcess xz;
        xz.setStandardOutputFile(dir.filePath("large.znt"));
        xz.start("xz", {"-dc", packed});
        return xz.waitForFinished(60000) && xz.exitCode() == 0;
    }();
    (void)unpacked;
    return dir;
}

bool haveLargeFile(benchmark::State &state)
{
    if (QFile::exists(folder().filePath("large.znt")) && QFile(folder().filePath("large.znt")).size() > 0)
        return true;
    state.SkipWithError("the 20,000-card legacy catalogue is not there");
    return false;
}

void BM_ImportLegacyAsTheProgramDoes(benchmark::State &state)
{
    if (!haveLargeFile(state))
        return;
    for (auto _ : state) {
        QProcess zentcat;
        zentcat.start(ZENTCAT_PATH, {"import", folder().filePath("large.znt"), folder().filePath("out.znt")});
        if (!zentcat.waitForFinished(60000) || zentcat.exitCode() != 0)
            state.SkipWithError("zentcat import failed");
    }
}
BENCHMARK(BM_ImportLegacyAsTheProgramDoes)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportLegacyInProcess(benchmark::State &state)
{
    if (!haveLargeFile(state))
        return;
    QString error;
    for (auto _ : state)
        if (zentcat::importCatalogue(folder().filePath("large.znt"), folder().filePath("out.znt"), &error))
            state.SkipWithError(error.toStdString().c_str());
}
BENCHMARK(BM_ImportLegacyInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
