// The main window's controls, menus and toolbar, built one region at a time.
#include "app/frmZentMain.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

// One column of the energy strip.
struct EnergyColumn
{
    const char *caption;
    QLabel *frmZentMain::*count;
    const char *countName;
    QToolButton *frmZentMain::*up;
    const char *upName;
    const char *upTip;
    QToolButton *frmZentMain::*down;
    const char *downName;
    const char *downTip;
};

namespace {

const QColor windowGrey(212, 208, 200);
const QColor deckRed(176, 0, 0);
const QColor titleBlue(0, 0, 192);

QFont boldFont(qreal pointSize, const QString &family = QString())
{
    QFont font = family.isEmpty() ? QFont() : QFont(family);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour, QPalette::ColorRole role = QPalette::Text)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

template <typename Widget, typename... Args>
Widget *named(const char *name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

QLineEdit *lineBox(const char *name, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *box = named<QLineEdit>(name);
    box->setAlignment(alignment);
    return box;
}

QTextEdit *multiLineBox(const char *name, bool scrollBar, int lines)
{
    auto *box = named<QTextEdit>(name);
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 10);
    return box;
}

// The caption label becomes the control's buddy and its accessible name, so screen readers
// announce the control by its caption (a combo box would otherwise be announced by its text).
QLabel *captionFor(const QString &caption, QWidget *control)
{
    auto *label = new QLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(caption);
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(caption);
    return label;
}

// A caption standing above its control, in bold.
QLabel *headingFor(const QString &caption, QWidget *control)
{
    QLabel *label = captionFor(caption, control);
    label->setFont(boldFont(10));
    return label;
}

// Controls with their captions beside them, one row each.
QFormLayout *captionedRows(std::initializer_list<std::pair<QString, QWidget *>> rows,
                           QWidget *parent = nullptr)
{
    auto *form = new QFormLayout(parent);
    for (const auto &[caption, control] : rows)
        form->addRow(captionFor(caption, control), control);
    return form;
}

QPushButton *greenButton(const char *name, const QString &caption, const QString &toolTip)
{
    auto *button = named<QPushButton>(name, caption);
    button->setToolTip(toolTip);
    button->setStyleSheet("QPushButton { background-color: #2fa83a; color: white; font-weight: bold;"
                          " border: 2px outset #1d7a26; padding: 5px 10px; }"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:focus { border-color: #0b4010; }");
    return button;
}

QComboBox *nameList(const char *name)
{
    auto *list = named<QComboBox>(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(20);
    list->setFont(boldFont(12));
    setTextColour(list, Qt::red);
    return list;
}

} // namespace

void frmZentMain::createMenus()
{
    mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuFileOpen = mnuFile->addAction("&Open", QKeySequence("Ctrl+O"), this,
                                     &frmZentMain::mnuFileOpen_Click);
    mnuFileOpen->setObjectName("mnuFileOpen");
    mnuFileOutput = mnuFile->addAction("&View / Save / Print...", QKeySequence("Ctrl+V"), this,
                                       &frmZentMain::mnuFileOutput_Click);
    mnuFileOutput->setObjectName("mnuFileOutput");
    mnuFileOutput->setEnabled(false);
    mnuFile->addSeparator()->setObjectName("mnuSep1");
    mnuFileExit = mnuFile->addAction("E&xit", QKeySequence("Ctrl+X"), this,
                                     &frmZentMain::mnuFileExit_Click);
    mnuFileExit->setObjectName("mnuFileExit");

    mnuFind = menuBar()->addMenu("Find");
    mnuFind->setObjectName("mnuFind");
    mnuFindZentari = mnuFind->addAction("Find Zentari");
    mnuFindZentari->setObjectName("mnuFindZentari");
    mnuFindTrainer = mnuFind->addAction("Find Trainer");
    mnuFindTrainer->setObjectName("mnuFindTrainer");

    mnuHelp = menuBar()->addMenu("Help");
    mnuHelp->setObjectName("mnuHelp");
    mnuHelpAbout = mnuHelp->addAction("About Zent Deck Builder", this,
                                      &frmZentMain::mnuHelpAbout_Click);
    mnuHelpAbout->setObjectName("mnuHelpAbout");
}

void frmZentMain::createToolbar()
{
    Toolbar1 = new KeyedToolBar(this);
    Toolbar1->setObjectName("Toolbar1");
    const ImageList ImageList1({"Open", "Help", "Arrow", "Find", "Print", "HelpQ"});
    Toolbar1->addSeparator();
    Toolbar1->addButton("Open", "Open Zentari Database", ImageList1.icon("Open"));
    Toolbar1->addButton("ViewPrint", "Go to View/Print/Save Screen", ImageList1.icon("Print"));
    Toolbar1->button("ViewPrint")->setEnabled(false);
    Toolbar1->addSeparator();
    Toolbar1->addSeparator();
    Toolbar1->addButton("Help", QString(), ImageList1.icon("HelpQ"));
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    connect(Toolbar1, &KeyedToolBar::buttonClick, this, &frmZentMain::Toolbar1_ButtonClick);
}

QWidget *frmZentMain::createCardRegion()
{
    cboName = nameList("cboName");
    txtEvolution = multiLineBox("txtEvolution", false, 2);
    txtHitPoints = lineBox("txtHitPoints", Qt::AlignCenter);
    txtHitPoints->setFont(boldFont(12));
    setTextColour(txtHitPoints, Qt::red);
    txtType = lineBox("txtType");
    txtLevel = lineBox("txtLevel");
    cmdAdd2Deck = greenButton("cmdAdd2Deck", "Add &Zentari", "Click to add current Zentari to deck.");
    cmdToggle = greenButton("cmdToggle", "Toggle Attack 1/2",
                            "Click to switch between Attack 1, and Attack 2 stats.");

    auto *region = new QWidget;
    auto *layout = new QVBoxLayout(region);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(headingFor("Zentari", cboName));
    layout->addWidget(cboName);
    layout->addLayout(captionedRows({{"Evolution:", txtEvolution},
                                     {"Hit Points:", txtHitPoints},
                                     {"Type:", txtType},
                                     {"Level:", txtLevel}}));
    layout->addWidget(createAttackFrames(), 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdAdd2Deck);
    buttons->addWidget(cmdToggle);
    layout->addLayout(buttons);
    return region;
}

QWidget *frmZentMain::createAttackFrames()
{
    // Both frames share one rectangle; Attack 1 lies in front and hides Attack 2 until toggled.
    auto *place = new QWidget;
    auto *stack = new QGridLayout(place);
    stack->setContentsMargins(0, 0, 0, 0);
    const auto frame = [&](const char *name, const QString &caption, QLineEdit *&attack,
                           const char *attackName, QLineEdit *&cost, const char *costName,
                           QLineEdit *&damage, const char *damageName, QTextEdit *&effects,
                           const char *effectsName) {
        auto *box = named<QGroupBox>(name, caption);
        box->setAutoFillBackground(true);
        attack = lineBox(attackName, Qt::AlignCenter);
        cost = lineBox(costName);
        damage = lineBox(damageName, Qt::AlignCenter);
        effects = multiLineBox(effectsName, true, 3);
        // The effects box takes the frame's spare height: effects are the longest texts.
        effects->setMinimumHeight(effects->height());
        effects->setMaximumHeight(QWIDGETSIZE_MAX);
        captionedRows({{"Attack:", attack},
                       {"Attack Cost:", cost},
                       {"Attack Damage:", damage},
                       {"Attack Effects:", effects}},
                      box);
        stack->addWidget(box, 0, 0);
        return box;
    };
    fraAttack2 = frame("fraAttack2", "Attack 2", txtAtck2, "txtAtck2", txtAtck2Cost, "txtAtck2Cost",
                       txtAtck2Damage, "txtAtck2Damage", txtAtck2Fx, "txtAtck2Fx");
    fraAttack1 = frame("fraAttack1", "Attack 1", txtAtck1, "txtAtck1", txtAtck1Cost, "txtAtck1Cost",
                       txtAtck1Damage, "txtAtck1Damage", txtAtck1Fx, "txtAtck1Fx");
    fraAttack1->raise();
    return place;
}

QWidget *frmZentMain::createCentreRegion()
{
    imgZents = named<PictureBox>("imgZents");
    imgZents->setFixedSize(196, 270);
    imgZents->setAccessibleName("Card picture");
    txtPowers = multiLineBox("txtPowers", true, 3);
    txtResistance = lineBox("txtResistance");
    txtWeakness = lineBox("txtWeakness");
    txtRetreatCost = multiLineBox("txtRetreatCost", false, 1);

    auto *region = new QWidget;
    auto *layout = new QVBoxLayout(region);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(imgZents, 0, Qt::AlignHCenter);
    auto *title = new QVBoxLayout;
    title->setSpacing(0);
    for (const char *word : {"Zentari", "Deck", "Builder"}) {
        auto *label = new QLabel(word);
        label->setFont(boldFont(18));
        label->setAlignment(Qt::AlignCenter);
        setTextColour(label, titleBlue, QPalette::WindowText);
        label->setAttribute(Qt::WA_TranslucentBackground);
        title->addWidget(label);
    }
    layout->addLayout(title);
    layout->addLayout(captionedRows({{"Powers:", txtPowers},
                                     {"Resistance:", txtResistance},
                                     {"Weakness:", txtWeakness},
                                     {"Retreat Cost:", txtRetreatCost}}));
    layout->addStretch();
    return region;
}

QWidget *frmZentMain::createDeckRegion()
{
    txtCount = lineBox("txtCount", Qt::AlignCenter);
    txtCount->setFont(boldFont(13.5));
    setTextColour(txtCount, Qt::blue);
    txtCount->setFixedWidth(80);
    cmdDeleteZent = named<QPushButton>("cmdDeleteZent", "Delete Selection");
    cmdClear = named<QPushButton>("cmdClear", "Clear Deck");
    cmdClear->setToolTip("Click to clear the current deck.");
    lstZents = named<QListWidget>("lstZents");
    QPalette listPalette = lstZents->palette();
    listPalette.setColor(QPalette::Base, QColor(224, 224, 224));
    lstZents->setPalette(listPalette);

    // The deck stands on a red box; its two headings are white on red.
    auto *region = named<QFrame>("fraDeck");
    region->setAutoFillBackground(true);
    QPalette red = region->palette();
    red.setColor(QPalette::Window, deckRed);
    red.setColor(QPalette::WindowText, Qt::white);
    region->setPalette(red);
    region->setFrameShape(QFrame::Box);
    auto *layout = new QGridLayout(region);
    layout->addWidget(headingFor("Deck Total:", txtCount), 0, 0);
    layout->addWidget(txtCount, 0, 1);
    layout->addWidget(cmdDeleteZent, 1, 0);
    layout->addWidget(cmdClear, 1, 1);
    layout->addWidget(headingFor("Current Cards:", lstZents), 2, 0, 1, 2);
    layout->addWidget(lstZents, 3, 0, 1, 2);
    layout->setRowStretch(3, 1);
    // The hidden twin of the deck list, holding each copy's row identifier.
    lstId = named<QListWidget>("lstId", region);
    lstId->hide();
    return region;
}

QWidget *frmZentMain::createTrainerRegion()
{
    cmdAddTrainers = greenButton("cmdAddTrainers", "Add &Trainers",
                                 "Click to add current Trainer to deck.");
    cboTrainers = nameList("cboTrainers");
    txtNotes = multiLineBox("txtNotes", true, 5);
    txtNotes->setAccessibleName("Card notes"); // it has no caption of its own
    txtNotes->setMinimumHeight(txtNotes->height());
    txtNotes->setMaximumHeight(QWIDGETSIZE_MAX);

    auto *region = new QWidget;
    auto *layout = new QVBoxLayout(region);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cmdAddTrainers);
    layout->addWidget(headingFor("Trainers:", cboTrainers));
    layout->addWidget(cboTrainers);
    layout->addWidget(txtNotes, 1);
    return region;
}

QWidget *frmZentMain::createEnergyColumn(const EnergyColumn &column)
{
    const ImageList pictures({"Up", "Down"});
    auto *cell = new QWidget;
    auto *layout = new QGridLayout(cell);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setVerticalSpacing(2);

    auto *caption = new QLabel(column.caption);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(boldFont(9));
    QLabel *count = named<QLabel>(column.countName);
    count->setAlignment(Qt::AlignCenter);
    count->setFrameShape(QFrame::Box);
    count->setAutoFillBackground(true);
    QPalette white = count->palette();
    white.setColor(QPalette::Window, Qt::white);
    count->setPalette(white);
    count->setMinimumWidth(44);
    count->setAccessibleName(QString(column.caption) + " energy cards");
    this->*column.count = count;

    const auto arrow = [&](const char *name, const char *tip, const char *picture) {
        QToolButton *button = named<QToolButton>(name);
        button->setIcon(pictures.icon(picture));
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        button->setAutoRaise(false);
        return button;
    };
    this->*column.up = arrow(column.upName, column.upTip, "Up");
    this->*column.down = arrow(column.downName, column.downTip, "Down");

    layout->addWidget(caption, 0, 0, 1, 2);
    layout->addWidget(count, 1, 0, 1, 2);
    layout->addWidget(this->*column.up, 2, 0, Qt::AlignRight);
    layout->addWidget(this->*column.down, 2, 1, Qt::AlignLeft);
    return cell;
}

QWidget *frmZentMain::createEnergyStrip()
{
    static const EnergyColumn columns[] = {
        {"Fighting", &frmZentMain::lblFighting, "lblFighting", &frmZentMain::cmdFightingUp,
         "cmdFightingUp", "Add 1 fighting energy.", &frmZentMain::cmdFightingDn, "cmdFightingDn",
         "Delete 1 fighting energy."},
        {"Fire", &frmZentMain::lblFire, "lblFire", &frmZentMain::cmdFireUp, "cmdFireUp",
         "Add 1 fire energy.", &frmZentMain::cmdFireDn, "cmdFireDn", "Delete 1 fire energy."},
        {"Water", &frmZentMain::lblWater, "lblWater", &frmZentMain::cmdWaterUp, "cmdWaterUp",
         "Add 1 water energy.", &frmZentMain::cmdWaterDn, "cmdWaterDn", "Delete 1 water energy."},
        {"Grass", &frmZentMain::lblGrass, "lblGrass", &frmZentMain::cmdGrassUp, "cmdGrassUp",
         "Add 1 grass energy.", &frmZentMain::cmdGrassDn, "cmdGrassDn", "Delete 1 grass energy."},
        {"Lightning", &frmZentMain::lblElectric, "lblElectric", &frmZentMain::cmdElectricUp,
         "cmdElectricUp", "Add 1 lighting energy.", &frmZentMain::cmdElectricDn, "cmdElectricDn",
         "Delete 1 lightning energy."},
        {"Psychic", &frmZentMain::lblPsychic, "lblPsychic", &frmZentMain::cmdPsychicUp,
         "cmdPsychicUp", "Add 1 psychic energy.", &frmZentMain::cmdPsychicDn, "cmdPsychicDn",
         "Delete 1 psychic energy."},
        {"Colorless", &frmZentMain::lblColorless, "lblColorless", &frmZentMain::cmdColorlessUp,
         "cmdColorlessUp", "Add 1 colorless energy.", &frmZentMain::cmdColorlessDn,
         "cmdColorlessDn", "Delete 1 colorless energy."},
    };
    Frame3 = named<QGroupBox>("Frame3", "Energy Cards");
    auto *layout = new QHBoxLayout(Frame3);
    layout->setSpacing(0);
    for (const EnergyColumn &column : columns) {
        if (layout->count() > 0) {
            auto *line = new QFrame;
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            layout->addWidget(line);
        }
        layout->addWidget(createEnergyColumn(column), 1);
    }
    return Frame3;
}
