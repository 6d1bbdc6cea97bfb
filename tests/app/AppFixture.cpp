#include "AppFixture.h"

AppFixture::AppFixture(db::Limits limits)
    : TestBench(limits),
      context{dialogs, registry, engine, folder.path(), {ZENT_PROGRAM_DIR "/zentcat"}, &statements, this}
{
    // The program runs from its own folder, where relative picture paths resolve.
    QDir::setCurrent(folder.path());
}

AppFixture::~AppFixture()
{
    window.reset();
    for (const QString &failure : expected)
        EXPECT_TRUE(failures.join('\n').contains(failure)) << "never passed over: " << failure.toStdString();
    QDir::setCurrent(startFolder);
}

QString AppFixture::writeCatalogue(const QList<catalogue_writer::CardRow> &rows,
                                   const QString &fileName)
{
    for (const catalogue_writer::CardRow &row : rows) {
        const QString image = row.value("fldImage");
        if (image.isEmpty())
            continue;
        const QString path = context.programFolder + "/" + QString(image).replace('\\', '/');
        QDir().mkpath(QFileInfo(path).path());
        QImage picture(24, 33, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(int(qHash(image) % 360), 200, 200));
        EXPECT_TRUE(picture.save(path));
    }
    QDir().mkpath(context.programFolder);
    const QString path = context.programFolder + "/" + fileName;
    EXPECT_TRUE(catalogue_writer::writeCatalogue(path, rows));
    return path;
}

frmZentMain &AppFixture::showMainWindow()
{
    if (!window)
        window = std::make_unique<frmZentMain>(context);
    window->show();
    QApplication::setActiveWindow(window.get());
    return *window;
}

QString AppFixture::text(const char *name) const
{
    const QObject *shown = control<QObject>(name);
    for (const char *property : {"plainText", "currentText", "text"})
        if (shown->property(property).isValid())
            return shown->property(property).toString();
    return "<no text>";
}

QStringList AppFixture::items(const char *list) const
{
    const auto *names = control<QComboBox>(list);
    return entries(names ? names->model() : control<QListWidget>(list)->model());
}

void AppFixture::choose(const char *nameList, const QString &name)
{
    auto *list = control<QComboBox>(nameList);
    list->setCurrentIndex(list->findText(name));
    emit list->activated(list->currentIndex());
}

void AppFixture::open(const QString &file)
{
    dialogs.answerOpen(file);
    window->mnuFileOpen_Click();
}

QList<catalogue_writer::CardRow> alphaBetaGamma()
{
    return {
        {{"fldName", "Alpha"}, {"fldTrainers", "z"}, {"fldImage", "pictures\\alpha.png"},
         {"fldHitPoints", "60"}, {"fldCatagory", "Fire"}, {"fldAttack1", "Ember"},
         {"fldAttack2", "Blaze"}, {"fldZentGroup", "1"}, {"fldGroupLev", "1"}},
        {{"fldName", "z"}, {"fldTrainers", "Beta"}, {"fldImage", "pictures/beta.png"},
         {"fldNotes", "Draw 2 cards."}},
        {{"fldName", "Gamma"}, {"fldTrainers", "z"}, {"fldImage", "pictures/gamma.png"},
         {"fldHitPoints", "80"}, {"fldCatagory", "Water"}},
    };
}
