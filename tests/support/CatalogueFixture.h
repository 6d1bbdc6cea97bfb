#pragma once

#include "Testing.h"
#include "CatalogueWriter.h"
#include "ScriptedDialogs.h"
#include "catalogue/CardDisplay.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "catalogue/NameLists.h"
#include "platform/db/Engine.h"
#include "platform/db/StatementLog.h"
#include "platform/ui/PictureBox.h"

// A catalogue file of the test's own, opened as the main window's load and File > Open open it,
// with the controls the catalogue's subsystems fill: the two name lists, and the boxes of the
// card shown that code reads, bound as the window binds them. No window.
// Working copies go to a temporary folder of its own, and legacy catalogues to the built
// catalogue tool, unless the test gives another.
struct OpenCatalogue : HeardFailures
{
    TempDir folder;
    TempDir temporary;
    const QByteArray startTemporary = qgetenv("TMPDIR");
    const QString file = folder.file("cards.znt");
    ui::ScriptedDialogs dialogs;
    db::StatementLog statements;
    db::Engine engine;
    catalogue::Catalogue catalogue;
    QComboBox cboName, cboTrainers;
    QLineEdit txtHitPoints, txtImagePath, txtGroup, txtGroupLev;
    ui::PictureBox imgZents;
    catalogue::CardControls card;
    catalogue::AttackFrames attacks;
    catalogue::TrainerControls trainers;
    catalogue::CardDisplay display{catalogue, card, attacks, trainers};

    // The sqlite3 tool runs the statements of `shaped` on the file before it is opened.
    explicit OpenCatalogue(const QList<catalogue_writer::CardRow> &rows, const QString &shaped = {},
                           const catalogue::CatalogueTool &tool = {ZENT_PROGRAM_DIR "/zentcat"})
        : catalogue(engine, &statements, tool, this)
    {
        qputenv("TMPDIR", temporary.path().toLocal8Bit());
        for (QComboBox *list : {&cboName, &cboTrainers})
            list->setEditable(true);
        card.cboName = &cboName;
        card.txtHitPoints = &txtHitPoints;
        card.txtImagePath = &txtImagePath;
        card.txtGroup = &txtGroup;
        card.txtGroupLev = &txtGroupLev;
        card.imgZents = &imgZents;
        trainers.cboTrainers = &cboTrainers;
        namespace column = catalogue::column;
        for (const auto &[box, column] : {std::pair{&txtHitPoints, column::hitPoints}, {&txtImagePath, column::image},
                                          {&txtGroup, column::group}, {&txtGroupLev, column::groupLevel}})
            catalogue.cardBoxes().bind(box, column);
        write(rows, QFileInfo(file).fileName());
        if (!shaped.isEmpty())
            sqlite3Tool(file, shaped);
        open(file);
    }
    ~OpenCatalogue() override { qputenv("TMPDIR", startTemporary); }
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
    static QStringList names(const QComboBox &list)
    {
        QStringList names;
        for (int i = 0; i < list.count(); ++i)
            names << list.itemText(i);
        return names;
    }
};
