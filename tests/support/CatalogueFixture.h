#pragma once

#include "CatalogueWriter.h"
#include "ScriptedDialogs.h"
#include "catalogue/CardDisplay.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "catalogue/NameLists.h"
#include "platform/db/Engine.h"
#include "platform/db/StatementLog.h"
#include "platform/ui/PictureBox.h"

// What the fixtures of the program's subsystems start from: a folder of the test's own for its
// catalogues, the user's temporary folder (TMPDIR) one of the test's own while it lives, scripted
// dialogs, and an engine whose statements are logged. A fault of the program fails the test
// unless the test planted it.
struct TestBench : HeardFailures
{
    explicit TestBench(db::Limits limits = {}) : engine(limits) { qputenv("TMPDIR", temporary.path().toLocal8Bit()); }
    ~TestBench() override { qputenv("TMPDIR", startTemporary); }

    TempDir folder;
    TempDir temporary;
    const QByteArray startTemporary = qgetenv("TMPDIR");
    ui::ScriptedDialogs dialogs;
    db::StatementLog statements; // every statement sent, in order
    db::Engine engine;
};

// A catalogue file of the test's own, opened as the main window's load and File > Open open it,
// with the controls the catalogue's subsystems fill: the two name lists, and the boxes of the
// card shown that code reads, bound as the window binds them. No window.
// Working copies go to the temporary folder, and legacy catalogues to the built catalogue tool,
// unless the test gives another.
struct OpenCatalogue : TestBench
{
    const QString file = folder.file("cards.znt");
    catalogue::Catalogue catalogue;
    QComboBox cboName, cboTrainers;
    QLineEdit txtHitPoints, txtImagePath, txtGroup, txtGroupLev;
    ui::PictureBox imgZents;
    catalogue::CardControls card{.cboName = &cboName, .txtHitPoints = &txtHitPoints, .imgZents = &imgZents,
                                 .txtImagePath = &txtImagePath, .txtGroup = &txtGroup, .txtGroupLev = &txtGroupLev};
    catalogue::AttackFrames attacks;
    catalogue::TrainerControls trainers{.cboTrainers = &cboTrainers};
    catalogue::CardDisplay display{catalogue, card, attacks, trainers};

    // The sqlite3 tool runs the statements of `shaped` on the file before it is opened.
    explicit OpenCatalogue(const QList<catalogue_writer::CardRow> &rows, const QString &shaped = {},
                           const catalogue::CatalogueTool &tool = {ZENT_PROGRAM_DIR "/zentcat"})
        : catalogue(engine, &statements, tool, this)
    {
        for (QComboBox *list : {&cboName, &cboTrainers})
            list->setEditable(true);
        namespace column = catalogue::column;
        for (const auto &[box, column] : {std::pair{&txtHitPoints, column::hitPoints}, {&txtImagePath, column::image},
                                          {&txtGroup, column::group}, {&txtGroupLev, column::groupLevel}})
            catalogue.cardBoxes().bind(box, column);
        write(rows, QFileInfo(file).fileName());
        if (!shaped.isEmpty())
            sqlite3Tool(file, shaped);
        open(file);
    }
    // The card of that name shown from its list, as the window shows it.
    void show(const QString &name)
    {
        const bool trainer = names(cboTrainers).contains(name);
        display.showCard(trainer ? catalogue::CardKind::Trainer : catalogue::CardKind::Creature, name);
        (trainer ? cboTrainers : cboName).setEditText(name);
    }
    QString write(const QList<catalogue_writer::CardRow> &rows, const QString &name)
    {
        const QString path = folder.file(name);
        EXPECT_TRUE(catalogue_writer::writeCatalogue(path, rows));
        return path;
    }
    // The catalogue's steps of the load and of File > Open.
    void open(const QString &path)
    {
        catalogue.attempts()([&] { catalogue.open(path); });
        catalogue::emptyNameList(cboName);
        catalogue::emptyNameList(cboTrainers);
        catalogue::fillNameLists(catalogue, cboName, cboTrainers);
        catalogue.pointDataControls();
    }
    static QStringList names(const QComboBox &list) { return entries(list.model()); }
};
