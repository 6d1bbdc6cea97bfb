#include "app/frmAbout.h"

#include "app/Logos.h"
#include "platform/system/Failure.h"
#include "platform/system/Files.h"
#include "platform/system/Registry.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>

// The registry's calls, constants and the system services, by their classic names.
using namespace sys;

namespace {

// Where the system information program is registered.
const QString gREGKEYSYSINFO = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString gREGVALSYSINFO = "PATH";
const QString gREGKEYSYSINFOLOC = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString gREGVALSYSINFOLOC = "MSINFO";
const QString sysInfoProgram = "\\MSINFO32.EXE";
// The access asked when opening a key: read control with query, set, create, enumerate,
// notify and link rights.
constexpr quint32 sysInfoKeyAccess = READ_CONTROL | KEY_QUERY_VALUE | KEY_SET_VALUE
                                     | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY
                                     | KEY_CREATE_LINK;
static_assert(sysInfoKeyAccess == 0x2003F);
constexpr int readBufferSize = 1024;

QLabel *label(const QString &text, const QFont &font = QFont())
{
    auto *l = new QLabel(text);
    l->setFont(font);
    l->setWordWrap(true);
    return l;
}

QFont pointFont(const QString &family, qreal size, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

} // namespace

frmAbout::frmAbout(AppContext appContext, QWidget *parent)
    : ui::Form(parent), context(appContext)
{
    setObjectName("frmAbout");
    // A box of fixed size over the window it was opened from: it can be moved and closed,
    // never resized or maximised.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    createControls();
    Form_Load();
    adjustSize();
    setFixedSize(size());
    if (parent)
        move(parent->window()->frameGeometry().center() - rect().center());
}

void frmAbout::createControls()
{
    auto *client = new QWidget;
    setCentralWidget(client);
    client->setFixedSize(ui::twipsToPixels(6660), ui::twipsToPixels(4515));
    auto *logo = new QLabel;
    logo->setPixmap(logos::titleLogo());
    logo->setScaledContents(true);
    logo->setFixedSize(276, 101);
    logo->setAccessibleName("ZentDeckBuilder logo");
    auto *mark = new QLabel;
    mark->setPixmap(logos::smallLogo({100, 50}));
    mark->setFixedSize(100, 50);
    mark->setAccessibleName("Zentari emblem");

    lblTitle = label("Application Title", pointFont("MS Sans Serif", 9.75, true));
    lblTitle->setObjectName("lblTitle");
    lblVersion = label("Version 1.2.0");
    lblVersion->setObjectName("lblVersion");
    lblAddress = label("");
    lblAddress->setObjectName("lblAddress");
    cmdOK = new QPushButton("OK");
    cmdOK->setObjectName("cmdOK");
    // OK is both the default button (Enter) and the cancel button (Esc).
    ui::installDefaultButton(this, cmdOK);
    cmdSysInfo = new QPushButton("&System Info...");
    cmdSysInfo->setObjectName("cmdSysInfo");
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto *layout = new QGridLayout(client);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setVerticalSpacing(2);
    layout->addWidget(logo, 0, 0, 1, 2);
    layout->addWidget(label("TM", pointFont("Arial", 6.75)), 0, 2, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(mark, 0, 3, Qt::AlignTop | Qt::AlignRight);
    layout->addWidget(lblTitle, 1, 0, 1, 3);
    layout->addWidget(lblVersion, 2, 0, 1, 3);
    layout->addWidget(lblAddress, 3, 0, 3, 2, Qt::AlignTop);
    layout->addWidget(cmdOK, 3, 3);
    layout->addWidget(cmdSysInfo, 4, 3);
    layout->addWidget(label("Built for players, by players. Share it freely; sell it never.",
                            pointFont("Arial", 6.75)),
                      6, 0, 1, 4);
    layout->addWidget(label("Zentari and the Zentari card game are trademarks of their respective "
                            "owners; this program is not endorsed by them.",
                            pointFont("Arial", 7)),
                      7, 0, 1, 4);
    layout->setRowStretch(5, 1);
}

QString frmAbout::contactLines()
{
    return QStringList({"Zentari Deck Builder Team", "42 Shuffle Lane", "Cardfield, OR 97031",
                        "United States", "decks@zentdeck.example"})
        .join("\r\n");
}

void frmAbout::Form_Load()
{
    setWindowTitle(QString("About ") + ui::applicationTitle);
    lblVersion->setText(QString("Version %1.%2.%3")
                            .arg(ZENT_VERSION_MAJOR)
                            .arg(ZENT_VERSION_MINOR)
                            .arg(ZENT_VERSION_PATCH));
    lblTitle->setText(ui::applicationTitle);
    // A label breaks lines at "\n"; the program's own text keeps its CR LF.
    lblAddress->setText(QString(contactLines()).replace("\r\n", "\n"));
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // Esc reaches the window when no control uses it: it presses OK, the cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        cmdOK->click();
    else
        Form::keyPressEvent(event);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    try {
        QString SysInfoPath;
        if (!GetKeyValue(HKEY_LOCAL_MACHINE, gREGKEYSYSINFO, gREGVALSYSINFO, SysInfoPath)) {
            if (!GetKeyValue(HKEY_LOCAL_MACHINE, gREGKEYSYSINFOLOC, gREGVALSYSINFOLOC, SysInfoPath))
                throw Failure("no system information program is registered");
            if (fileExists(SysInfoPath + sysInfoProgram).isEmpty())
                throw Failure("the system information program is missing");
            SysInfoPath += sysInfoProgram;
        }
        if (!startProgram(SysInfoPath))
            throw Failure("the system information program did not start");
    } catch (const Failure &) {
        ui::messageBox(context.dialogs, this, "System Information Is Unavailable At This Time");
    }
}

bool frmAbout::GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    Registry &registry = context.registry;
    quint32 hKey = 0;
    if (registry.RegOpenKeyExA(KeyRoot, KeyName.toLatin1(), 0, sysInfoKeyAccess, &hKey)
        != ERROR_SUCCESS) {
        KeyVal = "";
        registry.RegCloseKey(hKey);
        return false;
    }
    QByteArray tmpVal(readBufferSize, '\0');
    quint32 KeyValSize = readBufferSize;
    quint32 KeyValType = 0;
    if (registry.RegQueryValueExA(hKey, SubKeyRef.toLatin1(), &KeyValType, tmpVal, &KeyValSize)
        != ERROR_SUCCESS) {
        KeyVal = "";
        registry.RegCloseKey(hKey);
        return false;
    }
    tmpVal.truncate(KeyValSize);
    // An empty value has no last byte to test: that is a failure of the caller's lookup.
    if (tmpVal.isEmpty()) {
        registry.RegCloseKey(hKey);
        throw Failure("empty registry value");
    }
    // String values carry a terminating zero; a value without one keeps all its bytes.
    if (tmpVal.endsWith('\0'))
        tmpVal.chop(1);
    if (KeyValType == REG_SZ) {
        KeyVal = QString::fromLatin1(tmpVal);
    } else if (KeyValType == REG_DWORD) {
        // The number's bytes from the last to the first, each in hexadecimal without a
        // leading zero.
        QString digits;
        for (qsizetype i = tmpVal.size() - 1; i >= 0; --i)
            digits += QString::number(quint8(tmpVal[i]), 16).toUpper();
        KeyVal = "&h" + digits;
    }
    registry.RegCloseKey(hKey);
    return true;
}
