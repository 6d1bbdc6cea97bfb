#include "platform/richtext/RichText.h"

#include "platform/richtext/DocumentFiller.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/system/Files.h"

#include <QFile>
#include <QSaveFile>
#include <QTextDocument>

#include <new>

namespace richtext {

namespace {

// Far beyond any deck list; it keeps a wrong choice of file from filling memory.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

bool failure(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool readRtf(const QByteArray &rtf, QTextDocument &document, QString *error)
{
    try {
        // Some tools put several RTF documents one after another in one file. They are read
        // in turn, each with its own font and colour tables; what lies between them is not
        // part of any.
        std::vector<RtfContent> contents;
        QByteArrayView rest(rtf);
        while (true) {
            RtfContent content;
            RtfReader reader;
            if (!reader.read(rest, content, contents.empty() ? error : nullptr)) {
                if (contents.empty())
                    return false;
                break;
            }
            contents.push_back(std::move(content));
            rest = rest.sliced(reader.end());
            const qsizetype next = rest.indexOf("{\\rtf");
            if (next < 0)
                break;
            rest = rest.sliced(next);
        }
        fillDocument(contents, document);
        return true;
    } catch (const std::bad_alloc &) {
        return failure(error, QStringLiteral("There is not enough memory to load the file."));
    }
}

QByteArray writeRtf(const QTextDocument &document)
{
    return RtfWriter(document).write(0, document.characterCount() - 1);
}

bool loadRtfFile(const QString &path, QTextDocument &document, QString *error)
{
    // A pipe or a device would keep the reader waiting for ever.
    if (!sys::isRegularFile(path))
        return failure(error, QStringLiteral("There is no ordinary file of that name."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(error, file.errorString());
    if (file.size() > maxFileSize)
        return failure(error, QStringLiteral("The file is too large."));
    const QByteArray rtf = file.read(maxFileSize + 1);
    if (rtf.size() > maxFileSize)
        return failure(error, QStringLiteral("The file is too large."));
    return readRtf(rtf, document, error);
}

bool saveRtfFile(const QString &path, const QTextDocument &document, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(error, file.errorString());
    file.write(writeRtf(document));
    if (!file.commit())
        return failure(error, file.errorString());
    return true;
}

} // namespace richtext
