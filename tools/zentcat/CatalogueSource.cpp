#include "CatalogueSource.h"

#include "catalogue/Rules.h"

#include "LegacyReader.h"
#include "SqliteReader.h"
#include "TsvFormat.h"

#include <QFile>
#include <QFileInfo>

namespace zentcat {

namespace {

template <typename Reader>
std::unique_ptr<CatalogueSource> opened(const QString &path, QString *error)
{
    auto reader = std::make_unique<Reader>(path);
    if (reader->isOpen())
        return reader;
    *error = reader->error();
    return nullptr;
}

} // namespace

std::unique_ptr<CatalogueSource> openCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = QFileInfo::exists(path) ? "cannot read " + path : path + " does not exist";
        return nullptr;
    }
    const QByteArray start = file.read(4096);
    switch (catalogue::fileKind(start)) {
    case catalogue::FileKind::Legacy:
        return opened<LegacyReader>(path, error);
    case catalogue::FileKind::Sqlite:
        return opened<SqliteReader>(path, error);
    case catalogue::FileKind::Other:
        break;
    }
    if (isCardTableText(start))
        return opened<TsvReader>(path, error);
    *error = path + " is not a catalogue (neither an Access-format or SQLite catalogue nor card table text)";
    return nullptr;
}

} // namespace zentcat
