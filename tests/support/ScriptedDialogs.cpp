#include "ScriptedDialogs.h"

#include <QPrinter>

#include <array>

namespace ui {

static const char *kindName(ScriptedDialogs::Kind kind)
{
    return std::array{"message box", "input box", "open dialog", "save dialog", "print dialog", "font dialog",
                      "colour dialog"}[int(kind)];
}

QString ScriptedDialogs::Shown::box() const
{
    const char *icons[] = {"-", "!", "?"};
    return text + "|" + title + "|" + icons[int(icon)] + "|" + (buttons == MessageButtons::Ok ? "OK" : "Yes No");
}

ScriptedDialogs::~ScriptedDialogs()
{
    for (const Answer &answer : answers)
        ADD_FAILURE() << "A scripted " << kindName(answer.kind) << " answer was never used";
}

QStringList ScriptedDialogs::shownTexts() const
{
    QStringList texts;
    for (const Shown &box : history)
        if (box.kind == Kind::Message)
            texts.append(box.text);
    return texts;
}

const ScriptedDialogs::Answer *ScriptedDialogs::take(const Shown &shownNow)
{
    history.append(shownNow);
    if (answers.empty() || answers.front().kind != shownNow.kind) {
        ADD_FAILURE() << "A " << kindName(shownNow.kind) << " was shown (\"" << shownNow.text.toStdString()
                      << "\") where the script expected "
                      << (answers.empty() ? "nothing" : kindName(answers.front().kind));
        return nullptr;
    }
    current = answers.front();
    answers.pop_front();
    return current.cancelled ? nullptr : &current;
}

MessageAnswer ScriptedDialogs::messageBox(QWidget *, const MessageBoxRequest &request)
{
    const Answer *answer = take({Kind::Message, request.text, request.title, request.icon, request.buttons, {}});
    return answer ? answer->message : request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QString ScriptedDialogs::inputBox(QWidget *, const QString &prompt, const QString &title)
{
    const Answer *answer = take({Kind::Input, prompt, title, {}, {}, {}});
    return answer ? answer->value.toString() : QString();
}

bool ScriptedDialogs::showCommon(Kind kind, CommonDialogSettings &settings,
                                  const std::function<void(const QVariant &)> &accept)
{
    const Answer *answer = take({kind, {}, settings.dialogTitle, {}, {}, settings});
    if (answer)
        accept(answer->value);
    return answer;
}

bool ScriptedDialogs::showPrinter(QWidget *, CommonDialogSettings &settings, QPrinter &printer)
{
    // OK with the range the dialog preselected.
    return showCommon(Kind::Printer, settings, [&](const QVariant &pdf) {
        printer.setPrintRange(settings.printSelection ? QPrinter::Selection : QPrinter::AllPages);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf.toString());
    });
}

} // namespace ui
