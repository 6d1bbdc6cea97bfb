#include "platform/ui/QtDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

namespace {

// The program writes line breaks as CR LF; a label would show the CR.
QString displayText(const QString &text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString titleOrDefault(const QString &title)
{
    return title.isEmpty() ? QString::fromLatin1(applicationTitle) : title;
}

// Runs the dialog modally over its parent and hands the activation back to the parent when it
// closes: without a window manager the focus would stay nowhere, and the next key be lost.
int execOver(QWidget *parent, QDialog &dialog)
{
    const int result = dialog.exec();
    if (parent && parent->window()->isVisible())
        parent->window()->activateWindow();
    return result;
}

// Qt sizes message and input boxes to their text, so a short text under a longer title gets
// the title cut by the window manager. The box is made as wide as the title in a bold title
// font, with room for the title bar's icon and buttons.
void fitTitle(QDialog &box)
{
    constexpr int titleBarRoom = 120;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + titleBarRoom;
    // An input dialog lays itself out when first measured; the layout then decides its size.
    box.minimumSizeHint();
    auto *widest = new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(widest, grid->rowCount(), 0, 1, grid->columnCount());
    else
        box.layout()->addItem(widest);
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Qt's print dialog offers "Pages from" and "Pages" even when asked for no page range, and
// "All" beside "Selection", and sets them up again each time it is shown. The program's print
// dialog has no page range at all, and with text selected prints the selection: nothing more.
class PrintDialog : public QPrintDialog
{
public:
    using QPrintDialog::QPrintDialog;

    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        const QWidget *range = findChild<QWidget *>("gbPrintRange");
        if (!visible || !range)
            return;
        const bool pages = testOption(PrintPageRange);
        const bool selection = testOption(PrintSelection);
        for (QWidget *control : range->findChildren<QWidget *>()) {
            const QString name = control->objectName();
            if ((!pages && (name == "printRange" || name == "from" || name == "to" || name == "pagesRadioButton"
                            || name == "pagesLineEdit" || control->property("text") == "to"))
                || (selection && name == "printAll"))
                control->hide();
        }
    }
};

} // namespace

QStringList nameFiltersFromClassic(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    // Description and pattern alternate; a description without its pattern is ignored.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(parts[i] + QLatin1String(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

MessageAnswer QtDialogs::messageBox(QWidget *parent, const MessageBoxRequest &request)
{
    // Built by hand: the ready-made question box would add an icon the program does not want.
    QMessageBox box(parent);
    box.setWindowTitle(titleOrDefault(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(request.text));
    box.setIcon(qtIcon(request.icon));
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    fitTitle(box);
    execOver(parent, box);
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default: break;
    }
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QString QtDialogs::inputBox(QWidget *parent, const QString &prompt, const QString &title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(titleOrDefault(title));
    dialog.setLabelText(displayText(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    fitTitle(dialog);
    return execOver(parent, dialog) == QDialog::Accepted ? dialog.textValue() : QString();
}

bool QtDialogs::showOpen(QWidget *parent, CommonDialogSettings &settings)
{
    QFileDialog dialog(parent, settings.dialogTitle, settings.initDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return showFileDialog(dialog, settings);
}

bool QtDialogs::showSave(QWidget *parent, CommonDialogSettings &settings)
{
    QFileDialog dialog(parent, settings.dialogTitle, settings.initDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite,
                     !(settings.flags & cdlOFNOverwritePrompt));
    return showFileDialog(dialog, settings);
}

bool QtDialogs::showFileDialog(QFileDialog &dialog, CommonDialogSettings &settings)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The list shows each description exactly as the program wrote it, without Qt's pattern
    // suffix.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // A save dialog names new files too, whatever flags an open left in the settings.
    const bool mustExist = dialog.acceptMode() == QFileDialog::AcceptOpen
                           && (settings.flags & cdlOFNFileMustExist);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = nameFiltersFromClassic(settings.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(qBound(1, settings.filterIndex, int(filters.size())) - 1));
    }
    if (!settings.fileName.isEmpty())
        dialog.selectFile(QFileInfo(settings.fileName).fileName());

    if (execOver(dialog.parentWidget(), dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    // The dialog names the chosen entry in full or, with details hidden, by its description.
    const QString chosen = dialog.selectedNameFilter();
    const QStringList parts = settings.filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (filters[i] == chosen || parts[2 * i] == chosen) {
            settings.filterIndex = int(i) + 1;
            break;
        }
    }
    acceptChosenFile(settings, dialog.selectedFiles().constFirst());
    return true;
}

bool QtDialogs::showPrinter(QWidget *parent, CommonDialogSettings &settings, QPrinter &printer)
{
    PrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(settings.flags & cdlPDNoPageNums));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, settings.printSelection);
    printer.setPrintRange(settings.printSelection ? QPrinter::Selection : QPrinter::AllPages);
    return execOver(parent, dialog) == QDialog::Accepted;
}

bool QtDialogs::showFont(QWidget *parent, CommonDialogSettings &settings)
{
    // Before a face was ever chosen the dialog shows none: its list starts on the desktop's
    // font, only so that the styles and sizes read as those of a regular font.
    const bool faceKnown = !settings.fontName.isEmpty();
    QFont initial(faceKnown ? settings.fontName : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    if (settings.fontSize > 0)
        initial.setPointSizeF(settings.fontSize);
    initial.setBold(settings.fontBold);
    initial.setItalic(settings.fontItalic);
    initial.setUnderline(settings.fontUnderline);
    initial.setStrikeOut(settings.fontStrikethru);

    QFontDialog dialog(initial, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    bool faceChosen = faceKnown;
    // The first list is the faces', and its line above it shows the one chosen.
    auto *faces = dialog.findChild<QListView *>();
    if (!faceKnown && faces) {
        faces->selectionModel()->clearSelection();
        if (auto *faceLine = dialog.findChild<QLineEdit *>())
            faceLine->clear();
        QObject::connect(faces->selectionModel(), &QItemSelectionModel::selectionChanged, &dialog,
                         [&faceChosen] { faceChosen = true; });
    }
    if (execOver(parent, dialog) != QDialog::Accepted)
        return false;
    acceptChosenFont(settings, dialog.selectedFont());
    if (!faceChosen)
        settings.fontName.clear();
    return true;
}

bool QtDialogs::showColor(QWidget *parent, CommonDialogSettings &settings)
{
    QColorDialog dialog(settings.color, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (execOver(parent, dialog) != QDialog::Accepted)
        return false;
    settings.color = dialog.selectedColor();
    return true;
}

} // namespace ui
