// The main window's controls, menus and toolbar, built one region at a time.
#include "app/frmZentMain.h"

#include "catalogue/Columns.h"
#include "deck/Energies.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Keyboard.h"
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

namespace column = catalogue::column;

using ui::ImageList;
using ui::KeyedButtonStyle;
using ui::KeyedToolBar;

namespace {

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
Widget *named(const QString &name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

QLineEdit *lineBox(const QString &name, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *box = named<QLineEdit>(name);
    box->setAlignment(alignment);
    return box;
}

QTextEdit *multiLineBox(const QString &name, bool scrollBar, int lines)
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
    // The box holds exactly what the user typed: Qt's completion would turn "emb" into
    // "emberkit", a name the catalogue does not hold.
    list->setCompleter(nullptr);
    // The box takes the width of its region, whatever the catalogue holds: sizing it to its
    // longest name would measure every name when the window is first shown, and a very long
    // one would widen the window past the screen.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(12);
    ui::clickOnChoiceOnly(*list);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(20);
    list->setFont(boldFont(12));
    setTextColour(list, Qt::red);
    return list;
}

} // namespace

void frmZentMain::createMenus()
{
    // Open, View / Save / Print and About are toolbar buttons too, and reach their handlers as
    // the buttons do (createToolbar).
    QMenu *mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    commands.mnuFileOpen = mnuFile->addAction("&Open", QKeySequence("Ctrl+O"));
    commands.mnuFileOpen->setObjectName("mnuFileOpen");
    commands.mnuFileOutput = mnuFile->addAction("&View / Save / Print...", QKeySequence("Ctrl+V"));
    commands.mnuFileOutput->setObjectName("mnuFileOutput");
    mnuFile->addSeparator()->setObjectName("mnuSep1");
    QAction *mnuFileExit = mnuFile->addAction("E&xit", QKeySequence("Ctrl+X"), this,
                                              &frmZentMain::mnuFileExit_Click);
    mnuFileExit->setObjectName("mnuFileExit");

    commands.mnuFind = menuBar()->addMenu("Find");
    commands.mnuFind->setObjectName("mnuFind");
    commands.mnuFindZentari = commands.mnuFind->addAction("Find Zentari");
    commands.mnuFindZentari->setObjectName("mnuFindZentari");
    commands.mnuFindTrainer = commands.mnuFind->addAction("Find Trainer");
    commands.mnuFindTrainer->setObjectName("mnuFindTrainer");

    QMenu *mnuHelp = menuBar()->addMenu("Help");
    mnuHelp->setObjectName("mnuHelp");
    commands.mnuHelpAbout = mnuHelp->addAction("About Zent Deck Builder");
    commands.mnuHelpAbout->setObjectName("mnuHelpAbout");

    // The commands that work on a catalogue wait for one to be opened.
    for (QAction *needsCatalogue : {commands.mnuFind->menuAction(), commands.mnuFindZentari,
                                    commands.mnuFindTrainer, commands.mnuFileOutput}) {
        needsCatalogue->setEnabled(false);
        connect(this, &frmZentMain::catalogueOpened, needsCatalogue,
                [needsCatalogue] { needsCatalogue->setEnabled(true); });
    }
}

namespace {

// Toolbar1's buttons, left to right, each the action of its menu item too: a click on either
// runs the menu item's handler.
using ToolbarButton = ui::KeyedCommand<frmZentMain, MainCommands>;
constexpr ToolbarButton Toolbar1Buttons[] = {
    {},
    {"Open", "Open Zentari Database", "Open", KeyedButtonStyle::Push,
     [](frmZentMain &window) { window.mnuFileOpen_Click(); }, &MainCommands::mnuFileOpen},
    {"ViewPrint", "Go to View/Print/Save Screen", "Print", KeyedButtonStyle::Push,
     [](frmZentMain &window) { window.mnuFileOutput_Click(); }, &MainCommands::mnuFileOutput},
    {},
    {},
    {"Help", nullptr, "HelpQ", KeyedButtonStyle::Push,
     [](frmZentMain &window) { window.mnuHelpAbout_Click(); }, &MainCommands::mnuHelpAbout},
};
static_assert(ui::isWellKeyed(Toolbar1Buttons));

} // namespace

void frmZentMain::createToolbar()
{
    auto *Toolbar1 = new KeyedToolBar(this);
    Toolbar1->setObjectName("Toolbar1");
    const ImageList ImageList1({"Open", "Help", "Arrow", "Find", "Print", "HelpQ"});
    Toolbar1->addButtons(Toolbar1Buttons, *this, commands, ImageList1);
    addToolBar(Qt::TopToolBarArea, Toolbar1);
}

QWidget *frmZentMain::createCardRegion()
{
    catalogue::CardControls &card = controls.card;
    card.cboName = nameList("cboName");
    card.txtEvolution = multiLineBox("txtEvolution", false, 2);
    card.txtHitPoints = lineBox("txtHitPoints", Qt::AlignCenter);
    card.txtHitPoints->setFont(boldFont(12));
    setTextColour(card.txtHitPoints, Qt::red);
    card.txtType = lineBox("txtType");
    card.txtLevel = lineBox("txtLevel");
    card.cmdAdd2Deck = greenButton("cmdAdd2Deck", "Add &Zentari",
                                   "Click to add current Zentari to deck.");
    card.cmdToggle = greenButton("cmdToggle", "Toggle Attack 1/2",
                                 "Click to switch between Attack 1, and Attack 2 stats.");

    auto *region = new QWidget;
    auto *layout = new QVBoxLayout(region);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(headingFor("Zentari", card.cboName));
    layout->addWidget(card.cboName);
    layout->addLayout(captionedRows({{"Evolution:", card.txtEvolution},
                                     {"Hit Points:", card.txtHitPoints},
                                     {"Type:", card.txtType},
                                     {"Level:", card.txtLevel}}));
    layout->addWidget(createAttackFrames(), 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(card.cmdAdd2Deck);
    buttons->addWidget(card.cmdToggle);
    layout->addLayout(buttons);
    return region;
}

namespace {

// "Attack 1" or "Attack 2": the frame fraAttack<n> with txtAtck<n>, txtAtck<n>Cost,
// txtAtck<n>Damage and txtAtck<n>Fx.
catalogue::AttackFrame createAttackFrame(int number)
{
    const auto name = [number](const char *pattern) {
        return QString(pattern).arg(number);
    };
    catalogue::AttackFrame attack;
    attack.frame = new QGroupBox(name("Attack %1"));
    attack.frame->setObjectName(name("fraAttack%1"));
    attack.frame->setAutoFillBackground(true);
    attack.attack = lineBox(name("txtAtck%1"), Qt::AlignCenter);
    attack.cost = lineBox(name("txtAtck%1Cost"));
    attack.damage = lineBox(name("txtAtck%1Damage"), Qt::AlignCenter);
    attack.effects = multiLineBox(name("txtAtck%1Fx"), true, 3);
    // The effects box takes the frame's spare height: effects are the longest texts.
    attack.effects->setMinimumHeight(attack.effects->height());
    attack.effects->setMaximumHeight(QWIDGETSIZE_MAX);
    captionedRows({{"Attack:", attack.attack},
                   {"Attack Cost:", attack.cost},
                   {"Attack Damage:", attack.damage},
                   {"Attack Effects:", attack.effects}},
                  attack.frame);
    return attack;
}

} // namespace

QWidget *frmZentMain::createAttackFrames()
{
    // Both frames share one rectangle; Attack 1 lies in front and hides Attack 2 until toggled.
    auto *place = new QWidget;
    auto *stack = new QGridLayout(place);
    stack->setContentsMargins(0, 0, 0, 0);
    controls.attacks.fraAttack2 = createAttackFrame(2);
    controls.attacks.fraAttack1 = createAttackFrame(1);
    stack->addWidget(controls.attacks.fraAttack2.frame, 0, 0);
    stack->addWidget(controls.attacks.fraAttack1.frame, 0, 0);
    controls.attacks.fraAttack1.frame->raise();
    return place;
}

QWidget *frmZentMain::createCentreRegion()
{
    catalogue::CardControls &card = controls.card;
    card.imgZents = named<ui::PictureBox>("imgZents");
    card.imgZents->setFixedSize(196, 270);
    card.imgZents->setAccessibleName("Card picture");
    card.txtPowers = multiLineBox("txtPowers", true, 3);
    card.txtResistance = lineBox("txtResistance");
    card.txtWeakness = lineBox("txtWeakness");
    card.txtRetreatCost = multiLineBox("txtRetreatCost", false, 1);

    auto *region = new QWidget;
    auto *layout = new QVBoxLayout(region);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(card.imgZents, 0, Qt::AlignHCenter);
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
    layout->addLayout(captionedRows({{"Powers:", card.txtPowers},
                                     {"Resistance:", card.txtResistance},
                                     {"Weakness:", card.txtWeakness},
                                     {"Retreat Cost:", card.txtRetreatCost}}));
    layout->addStretch();
    return region;
}

QWidget *frmZentMain::createDeckRegion()
{
    deck::DeckControls &deckBox = controls.deck;
    deckBox.txtCount = lineBox("txtCount", Qt::AlignCenter);
    deckBox.txtCount->setFont(boldFont(13.5));
    setTextColour(deckBox.txtCount, Qt::blue);
    deckBox.txtCount->setFixedWidth(80);
    deckBox.cmdDeleteZent = named<QPushButton>("cmdDeleteZent", "Delete Selection");
    deckBox.cmdClear = named<QPushButton>("cmdClear", "Clear Deck");
    deckBox.cmdClear->setToolTip("Click to clear the current deck.");
    deckBox.lstZents = named<QListWidget>("lstZents");
    QPalette listPalette = deckBox.lstZents->palette();
    listPalette.setColor(QPalette::Base, QColor(224, 224, 224));
    deckBox.lstZents->setPalette(listPalette);

    // The deck stands on a red box; its two headings are white on red.
    auto *region = named<QFrame>("fraDeck");
    region->setAutoFillBackground(true);
    QPalette red = region->palette();
    red.setColor(QPalette::Window, deckRed);
    red.setColor(QPalette::WindowText, Qt::white);
    region->setPalette(red);
    region->setFrameShape(QFrame::Box);
    auto *layout = new QGridLayout(region);
    layout->addWidget(headingFor("Deck Total:", deckBox.txtCount), 0, 0);
    layout->addWidget(deckBox.txtCount, 0, 1);
    layout->addWidget(deckBox.cmdDeleteZent, 1, 0);
    layout->addWidget(deckBox.cmdClear, 1, 1);
    layout->addWidget(headingFor("Current Cards:", deckBox.lstZents), 2, 0, 1, 2);
    layout->addWidget(deckBox.lstZents, 3, 0, 1, 2);
    layout->setRowStretch(3, 1);
    // The hidden twin of the deck list, holding each copy's row identifier.
    deckBox.lstId = named<QListWidget>("lstId", region);
    deckBox.lstId->hide();
    return region;
}

QWidget *frmZentMain::createTrainerRegion()
{
    catalogue::TrainerControls &trainers = controls.trainers;
    trainers.cmdAddTrainers = greenButton("cmdAddTrainers", "Add &Trainers",
                                          "Click to add current Trainer to deck.");
    trainers.cboTrainers = nameList("cboTrainers");
    trainers.txtNotes = multiLineBox("txtNotes", true, 5);
    trainers.txtNotes->setAccessibleName("Card notes"); // it has no caption of its own
    trainers.txtNotes->setMinimumHeight(trainers.txtNotes->height());
    trainers.txtNotes->setMaximumHeight(QWIDGETSIZE_MAX);

    auto *region = new QWidget;
    auto *layout = new QVBoxLayout(region);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(trainers.cmdAddTrainers);
    layout->addWidget(headingFor("Trainers:", trainers.cboTrainers));
    layout->addWidget(trainers.cboTrainers);
    layout->addWidget(trainers.txtNotes, 1);
    return region;
}

namespace {

// One column of the energy strip: caption, count label, up and down buttons.
QWidget *createEnergyColumn(const deck::EnergyType &kind, deck::Energy &energy)
{
    const ImageList pictures({"Up", "Down"});
    auto *cell = new QWidget;
    auto *layout = new QGridLayout(cell);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setVerticalSpacing(2);

    auto *caption = new QLabel(kind.caption);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(boldFont(9));
    energy.count = named<QLabel>("lbl" + QString(kind.name));
    energy.count->setAlignment(Qt::AlignCenter);
    energy.count->setFrameShape(QFrame::Box);
    energy.count->setAutoFillBackground(true);
    QPalette white = energy.count->palette();
    white.setColor(QPalette::Window, Qt::white);
    energy.count->setPalette(white);
    energy.count->setMinimumWidth(44);

    const auto arrow = [&](const QString &name, const char *tip, const char *picture) {
        auto *button = named<QToolButton>(name);
        button->setIcon(pictures.icon(picture));
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        return button;
    };
    energy.up = arrow("cmd" + QString(kind.name) + "Up", kind.upTip, "Up");
    energy.down = arrow("cmd" + QString(kind.name) + "Dn", kind.downTip, "Down");

    layout->addWidget(caption, 0, 0, 1, 2);
    layout->addWidget(energy.count, 1, 0, 1, 2);
    layout->addWidget(energy.up, 2, 0, Qt::AlignRight);
    layout->addWidget(energy.down, 2, 1, Qt::AlignLeft);
    return cell;
}

} // namespace

QWidget *frmZentMain::createEnergyStrip()
{
    auto *Frame3 = named<QGroupBox>("Frame3", "Energy Cards");
    auto *layout = new QHBoxLayout(Frame3);
    layout->setSpacing(0);
    for (const deck::EnergyType &type : deck::energyTypes) {
        if (&type != &deck::energyTypes[0]) {
            auto *line = new QFrame;
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            layout->addWidget(line);
        }
        layout->addWidget(createEnergyColumn(type, controls.energies[type.kind]), 1);
    }
    return Frame3;
}

void frmZentMain::createHiddenBoxes()
{
    // Read by code only: the picture path and the card's evolution line and stage.
    catalogue::CardControls &card = controls.card;
    card.txtImagePath = named<QLineEdit>("txtImagePath", centralWidget());
    card.txtGroup = named<QLineEdit>("txtGroup", "ZentGroup", centralWidget());
    card.txtGroupLev = named<QLineEdit>("txtGroupLev", "GroupLev", centralWidget());
    for (QLineEdit *hidden : {card.txtImagePath, card.txtGroup, card.txtGroupLev})
        hidden->hide();
}

void frmZentMain::bindCardBoxes()
{
    const catalogue::CardControls &card = controls.card;
    catalogue::BoundBoxes &boxes = catalogueFile.cardBoxes();
    for (const auto &[box, column] : {std::pair{card.txtHitPoints, column::hitPoints}, {card.txtType, column::category},
                                      {card.txtLevel, column::level}, {card.txtResistance, column::resistance},
                                      {card.txtWeakness, column::weakness}, {card.txtImagePath, column::image},
                                      {card.txtGroup, column::group}, {card.txtGroupLev, column::groupLevel}})
        boxes.bind(box, column);
    for (const auto &[box, column] : {std::pair{card.txtEvolution, column::evolution}, {card.txtPowers, column::power},
                                      {card.txtRetreatCost, column::retreatCost},
                                      {controls.trainers.txtNotes, column::notes}})
        boxes.bind(box, column);
    const auto bindAttack = [&](const catalogue::AttackFrame &frame, const char *attack, const char *cost,
                                const char *damage, const char *effects) {
        boxes.bind(frame.attack, attack);
        boxes.bind(frame.cost, cost);
        boxes.bind(frame.damage, damage);
        boxes.bind(frame.effects, effects);
    };
    bindAttack(controls.attacks.fraAttack1, column::attack1, column::attack1Cost, column::attack1Damage,
               column::attack1Effects);
    bindAttack(controls.attacks.fraAttack2, column::attack2, column::attack2Cost, column::attack2Damage,
               column::attack2Effects);
}
