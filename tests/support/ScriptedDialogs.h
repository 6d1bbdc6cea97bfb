#pragma once

#include "Testing.h"
#include "platform/ui/Dialogs.h"

#include <deque>
#include <functional>

namespace ui {

// The dialog service for tests: every box and dialog takes the next scripted answer and is
// recorded, in order, with what it showed. A box nobody scripted, or one of another kind than
// the next answer, fails the test and is answered the safe way (No, Ok, Cancel); answers left
// unused when the service goes away fail the test too.
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Message, Input, Open, Save, Printer, Font, Color };

    struct Shown
    {
        Kind kind = Kind::Message;
        QString text;  // message text or input prompt
        QString title; // box title (common dialogs: settings.dialogTitle)
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
        CommonDialogSettings settings; // common dialogs: the settings it was shown with
        // A message box in one line: "text|title|icon|buttons", the icon "-", "!" or "?".
        QString box() const;
    };

    ~ScriptedDialogs() override;

    void answerMessage(MessageAnswer answer) { answers.push_back({Kind::Message, false, answer}); }
    void answerInput(const QString &text) { answers.push_back({Kind::Input, false, {}, text}); } // "" is Cancel
    void answerOpen(const QString &path) { answers.push_back({Kind::Open, false, {}, path}); }
    void answerSave(const QString &path) { answers.push_back({Kind::Save, false, {}, path}); }
    // OK in the print dialog; the printer writes a PDF to the file, so a test can read it.
    void answerPrinter(const QString &pdfFile) { answers.push_back({Kind::Printer, false, {}, pdfFile}); }
    void answerFont(const QFont &font) { answers.push_back({Kind::Font, false, {}, font}); }
    void answerColor(const QColor &color) { answers.push_back({Kind::Color, false, {}, color}); }
    void cancel(Kind kind) { answers.push_back({kind, true}); } // Cancel in the next dialog, of that kind

    const QList<Shown> &shown() const { return history; }
    QStringList shownTexts() const; // the texts of the message boxes shown, in order
    void clear() { answers.clear(); history.clear(); } // forget the history and any answers left

    MessageAnswer messageBox(QWidget *parent, const MessageBoxRequest &request) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title) override;
    bool showOpen(QWidget *, CommonDialogSettings &settings) override { return showFile(Kind::Open, settings); }
    bool showSave(QWidget *, CommonDialogSettings &settings) override { return showFile(Kind::Save, settings); }
    bool showPrinter(QWidget *parent, CommonDialogSettings &settings, QPrinter &printer) override;
    bool showFont(QWidget *, CommonDialogSettings &settings) override
    {
        return showCommon(Kind::Font, settings, [&](const QVariant &font) { acceptChosenFont(settings, font.value<QFont>()); });
    }
    bool showColor(QWidget *, CommonDialogSettings &settings) override
    {
        return showCommon(Kind::Color, settings, [&](const QVariant &color) { settings.color = color.value<QColor>(); });
    }

private:
    struct Answer
    {
        Kind kind = Kind::Message;
        bool cancelled = false;
        MessageAnswer message = MessageAnswer::Ok;
        QVariant value{}; // input text, file path, font or colour
    };
    // The next answer if it is of this kind and no cancel; otherwise null (a failure when
    // unscripted or of another kind).
    const Answer *take(const Shown &shownNow);
    bool showFile(Kind kind, CommonDialogSettings &settings)
    {
        return showCommon(kind, settings, [&](const QVariant &path) { acceptChosenFile(settings, path.toString()); });
    }
    // A common dialog: the next answer, if there is one of its kind, handed to accept.
    bool showCommon(Kind kind, CommonDialogSettings &settings, const std::function<void(const QVariant &)> &accept);

    std::deque<Answer> answers;
    Answer current;
    QList<Shown> history;
};

} // namespace ui
