#pragma once

#include "CatalogueFixture.h"
#include "app/AppContext.h"
#include "app/frmZentMain.h"
#include "platform/system/Registry.h"

#include <memory>

// A program folder of the test's own, with a catalogue made for the case, scripted dialogs and
// an empty registry; the main window is created on it as the splash would. The failures the
// window passes over silently are heard here, and so are the faults of the program; a test that
// expects a silent skip names the failure it expects, which must then come.
class AppFixture : public TestBench
{
public:
    explicit AppFixture(db::Limits limits = {});
    ~AppFixture() override;
    void expectPassedOver(const QString &failure) { expected << failure; }

    // Writes <program folder>/<fileName> with the rows; each row's picture is drawn there too
    // when its fldImage is set. The program folder is the test's folder unless the test says.
    QString writeCatalogue(const QList<catalogue_writer::CardRow> &rows,
                           const QString &fileName = "zentdeck.znt");
    // Creates the window, if not yet made, and shows it as the active one, so its shortcuts and
    // default button work.
    frmZentMain &showMainWindow();

    template <typename Widget>
    Widget *control(const QString &name) const
    {
        return window ? window->findChild<Widget *>(name) : nullptr;
    }
    // What a control shows: a text box's, label's or name list's text.
    QString text(const char *name) const;
    QStringList items(const char *list) const; // the entries of a name list or lines of a list box
    // The user picks the name from the list's drop-down.
    void choose(const char *nameList, const QString &name);
    // The user opens the file with File > Open.
    void open(const QString &file);

    // The test's folder is the program folder, and the current folder while the fixture lives.
    const QString startFolder = QDir::currentPath();
    sys::Registry registry;
    QStringList expected; // failures the test expects to be passed over
    AppContext context;
    std::unique_ptr<frmZentMain> window;
};

// Alpha (creature), Beta (trainer), Gamma (creature), each with a picture.
QList<catalogue_writer::CardRow> alphaBetaGamma();
