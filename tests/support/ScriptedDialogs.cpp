#include "ScriptedDialogs.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace ui {

ScriptedDialogs::~ScriptedDialogs()
{
    for (const Answer &answer : answers)
        ADD_FAILURE() << "A scripted " << kindName(answer.kind) << " answer was never used";
}

const char *ScriptedDialogs::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Message: return "message box";
    case Kind::Input: return "input box";
    case Kind::Open: return "open dialog";
    case Kind::Save: return "save dialog";
    case Kind::Printer: return "print dialog";
    case Kind::Font: return "font dialog";
    case Kind::Color: return "colour dialog";
    }
    return "dialog";
}

void ScriptedDialogs::answerMessage(MessageAnswer answer)
{
    answers.push_back(Answer{.kind = Kind::Message, .message = answer});
}

void ScriptedDialogs::answerInput(const QString &text)
{
    answers.push_back(Answer{.kind = Kind::Input, .text = text});
}

void ScriptedDialogs::answerOpen(const QString &path)
{
    answers.push_back(Answer{.kind = Kind::Open, .text = path});
}

void ScriptedDialogs::answerSave(const QString &path)
{
    answers.push_back(Answer{.kind = Kind::Save, .text = path});
}

void ScriptedDialogs::answerPrinter(const QString &pdfFile)
{
    answers.push_back(Answer{.kind = Kind::Printer, .text = pdfFile});
}

void ScriptedDialogs::answerFont(const QString &name, double size, bool bold, bool italic,
                                 bool underline, bool strikethru)
{
    answers.push_back(Answer{.kind = Kind::Font, .text = name, .fontSize = size, .bold = bold,
                             .italic = italic, .underline = underline, .strikethru = strikethru});
}

void ScriptedDialogs::answerColor(const QColor &color)
{
    answers.push_back(Answer{.kind = Kind::Color, .color = color});
}

void ScriptedDialogs::cancel(Kind kind)
{
    answers.push_back(Answer{.kind = kind, .cancelled = true});
}

QStringList ScriptedDialogs::shownTexts() const
{
    QStringList texts;
    for (const Shown &box : history) {
        if (box.kind == Kind::Message)
            texts.append(box.text);
    }
    return texts;
}

void ScriptedDialogs::clear()
{
    answers.clear();
    history.clear();
}

const ScriptedDialogs::Answer *ScriptedDialogs::take(const Shown &shownNow)
{
    history.append(shownNow);
    if (answers.empty()) {
        ADD_FAILURE() << "Unscripted " << kindName(shownNow.kind) << " shown: \""
                      << shownNow.text.toStdString() << "\" (" << shownNow.title.toStdString() << ")";
        return nullptr;
    }
    if (answers.front().kind != shownNow.kind) {
        ADD_FAILURE() << "A " << kindName(shownNow.kind) << " was shown (\""
                      << shownNow.text.toStdString() << "\") where the script expected a "
                      << kindName(answers.front().kind);
        return nullptr;
    }
    current = answers.front();
    answers.pop_front();
    return &current;
}

MessageAnswer ScriptedDialogs::messageBox(QWidget *, const MessageBoxRequest &request)
{
    const Answer *answer = take(Shown{Kind::Message, request.text, request.title, request.icon,
                                      request.buttons, {}});
    const MessageAnswer safest =
        request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    if (!answer)
        return safest;
    const bool fits = request.buttons == MessageButtons::YesNo
                          ? answer->message != MessageAnswer::Ok
                          : answer->message == MessageAnswer::Ok;
    if (!fits) {
        ADD_FAILURE() << "The scripted answer does not match the buttons of \""
                      << request.text.toStdString() << "\"";
        return safest;
    }
    return answer->message;
}

QString ScriptedDialogs::inputBox(QWidget *, const QString &prompt, const QString &title)
{
    const Answer *answer = take(Shown{Kind::Input, prompt, title, {}, {}, {}});
    return answer ? answer->text : QString();
}

bool ScriptedDialogs::showFile(Kind kind, CommonDialogSettings &settings)
{
    const Answer *answer = take(Shown{kind, {}, settings.dialogTitle, {}, {}, settings});
    if (!answer || answer->cancelled)
        return false;
    acceptChosenFile(settings, answer->text);
    return true;
}

bool ScriptedDialogs::showOpen(QWidget *, CommonDialogSettings &settings)
{
    return showFile(Kind::Open, settings);
}

bool ScriptedDialogs::showSave(QWidget *, CommonDialogSettings &settings)
{
    return showFile(Kind::Save, settings);
}

bool ScriptedDialogs::showPrinter(QWidget *, CommonDialogSettings &settings, QPrinter &printer)
{
    const Answer *answer = take(Shown{Kind::Printer, {}, settings.dialogTitle, {}, {}, settings});
    if (!answer || answer->cancelled)
        return false;
    // The user pressed OK with the range the dialog preselected.
    const bool selection = settings.printSelection && !(settings.flags & cdlPDNoSelection);
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    settings.printRangeSelection = selection;
    if (!answer->text.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer->text);
    }
    return true;
}

bool ScriptedDialogs::showFont(QWidget *, CommonDialogSettings &settings)
{
    const Answer *answer = take(Shown{Kind::Font, {}, settings.dialogTitle, {}, {}, settings});
    if (!answer || answer->cancelled)
        return false;
    settings.fontName = answer->text;
    settings.fontSize = answer->fontSize;
    settings.fontBold = answer->bold;
    settings.fontItalic = answer->italic;
    settings.fontUnderline = answer->underline;
    settings.fontStrikethru = answer->strikethru;
    return true;
}

bool ScriptedDialogs::showColor(QWidget *, CommonDialogSettings &settings)
{
    const Answer *answer = take(Shown{Kind::Color, {}, settings.dialogTitle, {}, {}, settings});
    if (!answer || answer->cancelled)
        return false;
    settings.color = answer->color;
    return true;
}

} // namespace ui
