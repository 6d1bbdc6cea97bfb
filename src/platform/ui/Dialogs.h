#pragma once

#include "platform/ui/CommonDialog.h"

#include <QString>

class QPrinter;
class QWidget;

namespace ui {

enum class MessageIcon { None, Exclamation, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageBoxRequest
{
    QString text;   // lines separated by CR LF
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// The title of every box that has none of its own.
inline constexpr auto applicationTitle = "ZentDeckBuilder";

// Every window shows its message boxes, input boxes and common dialogs only through this, so the
// program can run with the real dialogs or with answers scripted by a test.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Modal; returns the button chosen (closing the box counts as No, or Ok for an Ok-only box).
    virtual MessageAnswer messageBox(QWidget *parent, const MessageBoxRequest &request) = 0;
    // Modal; the typed text, or "" on Cancel.
    virtual QString inputBox(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // The common dialogs read their settings and write their results back into them; false when
    // the user cancelled (the settings' results are then unchanged).
    virtual bool showOpen(QWidget *parent, CommonDialogSettings &settings) = 0;
    virtual bool showSave(QWidget *parent, CommonDialogSettings &settings) = 0;
    virtual bool showPrinter(QWidget *parent, CommonDialogSettings &settings, QPrinter &printer) = 0;
    virtual bool showFont(QWidget *parent, CommonDialogSettings &settings) = 0;
    virtual bool showColor(QWidget *parent, CommonDialogSettings &settings) = 0;
};

// The usual way to show a box: text, buttons and icon, titled with the application title unless
// given another.
MessageAnswer messageBox(Dialogs &dialogs, QWidget *parent, const QString &text,
                         MessageButtons buttons = MessageButtons::Ok,
                         MessageIcon icon = MessageIcon::None,
                         const QString &title = applicationTitle);

} // namespace ui
