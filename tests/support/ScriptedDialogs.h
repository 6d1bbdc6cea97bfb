#pragma once

#include "platform/ui/Dialogs.h"

#include <QColor>
#include <QList>
#include <QString>

#include <deque>

namespace ui {

// The dialog service for tests: every box and dialog takes the next scripted answer and is
// recorded, in order, with what it showed. A box nobody scripted, or one of another kind than the
// next answer, fails the test and is answered the safe way (No, Ok, Cancel); answers left unused
// when the service goes away fail the test too.
//
//     ScriptedDialogs dialogs;
//     dialogs.answerMessage(MessageAnswer::Yes);
//     ...
//     EXPECT_EQ(dialogs.shown()[0].text, "Discard Changes?");
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Message, Input, Open, Save, Printer, Font, Color };

    struct Shown
    {
        Kind kind = Kind::Message;
        QString text;    // message text or input prompt
        QString title;   // box title (for common dialogs: settings.dialogTitle)
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
        CommonDialogSettings settings;   // common dialogs: the settings it was shown with
    };

    ~ScriptedDialogs() override;

    void answerMessage(MessageAnswer answer);
    void answerInput(const QString &text);   // "" is what Cancel gives
    void answerOpen(const QString &path);     // the file chosen
    void answerSave(const QString &path);
    // OK in the print dialog; with a file name the printer writes a PDF there, so a test can
    // read what was printed.
    void answerPrinter(const QString &pdfFile = QString());
    void answerFont(const QString &name, double size, bool bold = false, bool italic = false,
                    bool underline = false, bool strikethru = false);
    void answerColor(const QColor &color);
    void cancel(Kind kind);   // Cancel in the next dialog, which must be of that kind

    const QList<Shown> &shown() const { return history; }
    QStringList shownTexts() const;   // the texts of the message boxes shown, in order
    qsizetype pendingAnswers() const { return qsizetype(answers.size()); }
    void clear();   // forget the history and any answers left

    static const char *kindName(Kind kind);

    // Dialogs
    MessageAnswer messageBox(QWidget *parent, const MessageBoxRequest &request) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title) override;
    bool showOpen(QWidget *parent, CommonDialogSettings &settings) override;
    bool showSave(QWidget *parent, CommonDialogSettings &settings) override;
    bool showPrinter(QWidget *parent, CommonDialogSettings &settings, QPrinter &printer) override;
    bool showFont(QWidget *parent, CommonDialogSettings &settings) override;
    bool showColor(QWidget *parent, CommonDialogSettings &settings) override;

private:
    struct Answer
    {
        Kind kind = Kind::Message;
        bool cancelled = false;
        MessageAnswer message = MessageAnswer::Ok;
        QString text{};   // input text, file path or font name
        double fontSize = 0;
        bool bold = false, italic = false, underline = false, strikethru = false;
        QColor color{};
    };

    // The next answer if it is of this kind; otherwise a test failure and nothing.
    const Answer *take(const Shown &shownNow);
    bool showFile(Kind kind, CommonDialogSettings &settings);

    std::deque<Answer> answers;
    Answer current;
    QList<Shown> history;
};

} // namespace ui
