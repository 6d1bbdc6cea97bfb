#pragma once

#include "app/AppContext.h"
#include "platform/ui/Form.h"

class QLabel;
class QPushButton;

// The about box: title, version, contact lines and the System Info button, which starts the
// system's information program found through two registry values. Shown modally; OK, Enter and
// Esc close it. The handlers and procedures keep the program's own names; contactLines() is
// named as the rest of the code is.
class frmAbout : public ui::Form
{
    Q_OBJECT

public:
    frmAbout(AppContext context, QWidget *parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    // Reads one registry value as text into KeyVal; false (KeyVal empty) when it cannot.
    bool GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

    // The contact lines as the program joins them, with CR LF between lines.
    static QString contactLines();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();

    AppContext context;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblAddress = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
};
