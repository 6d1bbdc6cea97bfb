#include "platform/ui/CommonDialogSettings.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

void acceptChosenFile(CommonDialogSettings &settings, const QString &path)
{
    const QFileInfo file(path);
    settings.fileName = file.absoluteFilePath();
    settings.fileTitle = file.fileName();
    QDir::setCurrent(file.absolutePath());
}

} // namespace ui
