#include "platform/ui/Keyboard.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace ui;

namespace {

// A small window with the kinds of controls the main window has.
struct CardWindow
{
    QMainWindow window;
    QComboBox *cboName = new QComboBox;
    QLineEdit *txtLevel = new QLineEdit;
    QTextEdit *txtNotes = new QTextEdit; // multi-line, editable
    QPushButton *cmdAdd2Deck = new QPushButton("Add &Zentari");
    QPushButton *cmdClear = new QPushButton("Clear Deck");
    QAction *mnuFileExit = nullptr;
    QAction *mnuFileOutput = nullptr;

    CardWindow()
    {
        auto *central = new QWidget;
        auto *layout = new QVBoxLayout(central);
        for (QWidget *control : {static_cast<QWidget *>(cboName), static_cast<QWidget *>(txtLevel),
                                 static_cast<QWidget *>(txtNotes), static_cast<QWidget *>(cmdAdd2Deck),
                                 static_cast<QWidget *>(cmdClear)})
            layout->addWidget(control);
        window.setCentralWidget(central);
        cboName->setEditable(true);
        cboName->addItems({"Blazer", "Sparkit"});
        QMenu *mnuFile = window.menuBar()->addMenu("&File");
        mnuFileOutput = mnuFile->addAction("&View / Save / Print...", QKeySequence("Ctrl+V"), [] {});
        mnuFileExit = mnuFile->addAction("E&xit", QKeySequence("Ctrl+X"), [] {});
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void key(QWidget *control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        control->setFocus();
        QTest::keyClick(control, key, modifiers);
    }
};

} // namespace

TEST(Keyboard, EnterPressesTheDefaultButtonExceptWhereItHasAUseOfItsOwn)
{
    CardWindow w;
    installDefaultButton(&w.window, w.cmdAdd2Deck);
    QSignalSpy added(w.cmdAdd2Deck, &QPushButton::clicked);
    QSignalSpy cleared(w.cmdClear, &QPushButton::clicked);

    w.key(w.cboName, Qt::Key_Return);
    w.key(w.txtLevel, Qt::Key_Enter);
    EXPECT_EQ(added.size(), 2);
    EXPECT_EQ(w.cboName->count(), 2); // the combo box added no entry for the Enter

    // An editable multi-line box takes Enter as a new line; a focused button presses itself;
    // an open list takes Enter to choose; Ctrl+Enter is no Enter.
    w.key(w.txtNotes, Qt::Key_Return);
    EXPECT_EQ(w.txtNotes->toPlainText(), "\n");
    w.key(w.cmdClear, Qt::Key_Return);
    EXPECT_EQ(cleared.size(), 1);
    w.cboName->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    w.key(w.txtLevel, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(added.size(), 2);

    // A disabled default button takes no click.
    w.cmdAdd2Deck->setEnabled(false);
    w.key(w.txtLevel, Qt::Key_Return);
    EXPECT_EQ(added.size(), 2);
}

TEST(Keyboard, MenuShortcutsWinOverTextBoxes)
{
    CardWindow w;
    installMenuShortcutsWin(&w.window);
    QSignalSpy exits(w.mnuFileExit, &QAction::triggered);
    QSignalSpy outputs(w.mnuFileOutput, &QAction::triggered);

    w.txtLevel->setText("keep me");
    w.txtLevel->selectAll();
    w.key(w.txtLevel, Qt::Key_X, Qt::ControlModifier);
    w.key(w.cboName, Qt::Key_V, Qt::ControlModifier);
    w.key(w.txtNotes, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(exits.size(), 2);
    EXPECT_EQ(outputs.size(), 1);
    EXPECT_EQ(w.txtLevel->text(), "keep me");

    // A disabled menu item leaves the key to the text box: Ctrl+V pastes.
    w.mnuFileOutput->setEnabled(false);
    QApplication::clipboard()->setText("pasted");
    w.txtLevel->clear();
    w.key(w.txtLevel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(outputs.size(), 1);
    EXPECT_EQ(w.txtLevel->text(), "pasted");
}
