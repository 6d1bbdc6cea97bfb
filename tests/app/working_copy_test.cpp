// Catalogues the program cannot use in place: legacy (Access-format) files, turned by the
// catalogue tool into a private working copy. Everything works on the copy, the legacy file is
// never written, and the copy goes with the window.
#include "AppFixture.h"

namespace {

QString legacy(const QString &name)
{
    return ZENT_SOURCE_DIR "/tests/data/legacy/" + name;
}

} // namespace

TEST(WorkingCopy, LegacyCataloguesOfEachFormatAreUsedAsTheProgramsOwnAndNeverWritten)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    app.statements.clear();
    app.open(ZENT_PROGRAM_DIR "/zentdeck.znt");
    const QStringList creatures = app.items("cboName"), trainers = app.items("cboTrainers");
    ASSERT_TRUE(creatures.contains("Élanwisp") && trainers.contains("Véra the Scholar"));
    const QStringList sent = app.statements.texts();

    QStringList copies;
    for (const char *name : {"bundled-2000.znt", "bundled-2003.znt", "bundled-2010.znt"}) {
        SCOPED_TRACE(name);
        const QString file = legacy(name);
        const QByteArray before = digest(file);
        app.statements.clear();
        app.open(file);
        // The same names in the same order, read with the same statements.
        EXPECT_EQ(app.items("cboName"), creatures);
        EXPECT_EQ(app.items("cboTrainers"), trainers);
        EXPECT_EQ(app.statements.texts(), sent);
        const QString copy = main.catalogueInUse().database().path();
        EXPECT_TRUE(copy.startsWith(app.temporary.path()));
        EXPECT_EQ(main.catalogueInUse().cardControl().databaseName(), copy);
        EXPECT_EQ(digest(file), before);
        main.workingDeckInUse().addCopy(name, deck::InsertForm::Chosen);
        copies << copy;
    }
    // The copies stay for the run: a file opened again after another is opened from its copy,
    // its deck as it was left.
    EXPECT_EQ(filesUnder(app.temporary.path(), QDir::Files).filter(QRegularExpression("znt$")).size(), 3);
    app.open(legacy("bundled-2000.znt"));
    EXPECT_EQ(main.catalogueInUse().database().path(), copies.first());
    EXPECT_EQ(deckRows(copies.first()), "bundled-2000.znt|1");
    main.close();
    app.window.reset();
    EXPECT_EQ(filesUnder(app.temporary.path()), QStringList());
}

TEST(WorkingCopy, ADamagedFileOrAFailingToolIsAFailedOpenThatLeavesNoCopy)
{
    const QByteArray bytes = readFile(legacy("bundled-2000.znt"));
    struct Case
    {
        const char *what;
        QByteArray file;
        QByteArray tool; // a script standing in for the catalogue tool, or the real one
    };
    const Case cases[] = {
        {"truncated", bytes.left(bytes.size() / 3), {}},
        {"a tool that hangs", bytes, "#!/bin/sh\nexec sleep 60\n"},
        {"a tool that crashes", bytes, "#!/bin/sh\nkill -SEGV $$\n"},
        {"no tool", bytes, "none"},
    };
    for (const Case &bad : cases) {
        SCOPED_TRACE(bad.what);
        AppFixture app;
        const QString file = app.writeCatalogue(alphaBetaGamma());
        if (!bad.tool.isEmpty()) {
            app.context.catalogueTool = {app.folder.file("zentcat"), 500};
            ASSERT_TRUE(bad.tool == "none" || writeProgram(app.context.catalogueTool.path, bad.tool));
        }
        const QString damaged = app.folder.file("damaged.znt");
        ASSERT_TRUE(writeFile(damaged, bad.file));
        frmZentMain &main = app.showMainWindow();
        app.open(damaged);
        EXPECT_EQ(main.catalogueInUse().database().path(), file);
        EXPECT_EQ(app.items("cboName"), QStringList({"Alpha", "Gamma"}));
        EXPECT_EQ(filesUnder(app.temporary.path(), QDir::Files), QStringList());
        EXPECT_EQ(readFile(damaged), bad.file);
        main.workingDeckInUse().addCopy("Gamma", deck::InsertForm::Chosen);
        EXPECT_EQ(deckRows(file), "Gamma|1");
    }
}

// The program started twice on one catalogue: the second copy works on a copy of the file as it
// was, so the two never share a deck row, and the file holds the first copy's deck alone.
TEST(WorkingCopy, ASecondRunningCopyKeepsADeckOfItsOwn)
{
    AppFixture first;
    const QString file = first.writeCatalogue(alphaBetaGamma());
    frmZentMain &one = first.showMainWindow();
    one.workingDeckInUse().addCopy("Alpha", deck::InsertForm::Chosen);

    sys::Registry registry;
    ui::ScriptedDialogs dialogs;
    const db::Engine engine; // the second copy's own, as a second process has
    frmZentMain two(AppContext{dialogs, registry, engine, first.folder.path()});
    const QString copy = two.catalogueInUse().database().path();
    EXPECT_TRUE(copy.startsWith(first.temporary.path()));
    EXPECT_EQ(two.catalogueInUse().deckControl().databaseName(), copy);
    EXPECT_EQ(deckRows(copy), "Alpha|1");
    two.workingDeckInUse().addCopy("Gamma", deck::InsertForm::Chosen);
    two.findChild<QListWidget *>("lstZents")->setCurrentRow(0);
    two.cmdDeleteZent_Click();
    two.close();
    EXPECT_EQ(deckRows(file), "Alpha|1");
    EXPECT_EQ(deckRows(copy), "");

    one.workingDeckInUse().addCopy("Gamma", deck::InsertForm::Chosen);
    EXPECT_EQ(deckRows(file), "Alpha|1 Gamma|2");
}
