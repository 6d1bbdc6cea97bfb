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
    QTextEdit *txtNotes = new QTextEdit;       // multi-line, editable
    QTextEdit *txtPowers = new QTextEdit;      // multi-line, read-only
    QPushButton *cmdAdd2Deck = new QPushButton("Add &Zentari");
    QPushButton *cmdClear = new QPushButton("Clear Deck");
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileOutput = nullptr;
    QAction *mnuFileExit = nullptr;

    CardWindow()
    {
        auto *central = new QWidget;
        auto *layout = new QVBoxLayout(central);
        for (QWidget *control : std::initializer_list<QWidget *>{cboName, txtLevel, txtNotes,
                                                                 txtPowers, cmdAdd2Deck, cmdClear})
            layout->addWidget(control);
        window.setCentralWidget(central);
        cboName->setEditable(true);
        cboName->setInsertPolicy(QComboBox::InsertAtBottom);
        cboName->addItems({"Blazer", "Sparkit"});
        txtPowers->setReadOnly(true);
        QMenu *mnuFile = window.menuBar()->addMenu("&File");
        mnuFileOpen = mnuFile->addAction("&Open");
        mnuFileOpen->setShortcut(QKeySequence("Ctrl+O"));
        mnuFileOutput = mnuFile->addAction("&View / Save / Print...");
        mnuFileOutput->setShortcut(QKeySequence("Ctrl+V"));
        mnuFileExit = mnuFile->addAction("E&xit");
        mnuFileExit->setShortcut(QKeySequence("Ctrl+X"));
        window.show();
        window.activateWindow();   // a bare X server activates nothing by itself
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void focus(QWidget *control)
    {
        control->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), control);
    }
};

} // namespace

TEST(Keyboard, EnterPressesTheDefaultButtonExceptWhereItHasAUseOfItsOwn)
{
    CardWindow w;
    installDefaultButton(&w.window, w.cmdAdd2Deck);
    QSignalSpy added(w.cmdAdd2Deck, &QPushButton::clicked);
    QSignalSpy cleared(w.cmdClear, &QPushButton::clicked);

    w.focus(w.cboName);
    QTest::keyClick(w.cboName, Qt::Key_Return);
    EXPECT_EQ(added.size(), 1);
    EXPECT_EQ(w.cboName->count(), 2);   // the combo box added no entry for the Enter
    w.focus(w.txtLevel);
    QTest::keyClick(w.txtLevel, Qt::Key_Enter, Qt::KeypadModifier);
    w.focus(w.txtPowers);
    QTest::keyClick(w.txtPowers, Qt::Key_Return);
    EXPECT_EQ(added.size(), 3);

    // An editable multi-line text box takes Enter as a new line.
    w.focus(w.txtNotes);
    QTest::keyClicks(w.txtNotes, "a");
    QTest::keyClick(w.txtNotes, Qt::Key_Return);
    QTest::keyClicks(w.txtNotes, "b");
    EXPECT_EQ(w.txtNotes->toPlainText(), "a\nb");
    // A focused button presses itself.
    w.focus(w.cmdClear);
    QTest::keyClick(w.cmdClear, Qt::Key_Return);
    EXPECT_EQ(added.size(), 3);
    EXPECT_EQ(cleared.size(), 1);

    // The open list of a combo box takes Enter to choose the entry.
    w.focus(w.cboName);
    w.cboName->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    EXPECT_EQ(added.size(), 3);

    // Ctrl+Enter is no Enter, and a disabled default button takes no click.
    w.focus(w.txtLevel);
    QTest::keyClick(w.txtLevel, Qt::Key_Return, Qt::ControlModifier);
    w.cmdAdd2Deck->setEnabled(false);
    QTest::keyClick(w.txtLevel, Qt::Key_Return);
    EXPECT_EQ(added.size(), 3);
}

TEST(Keyboard, MenuShortcutsWinOverTextBoxes)
{
    // Without help, the text box keeps Ctrl+X for itself: the menu item does not run.
    {
        CardWindow plain;
        QSignalSpy exits(plain.mnuFileExit, &QAction::triggered);
        plain.focus(plain.txtLevel);
        plain.txtLevel->setText("cut me");
        plain.txtLevel->selectAll();
        QTest::keyClick(plain.txtLevel, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(exits.size(), 0);
        EXPECT_EQ(plain.txtLevel->text(), "");
    }

    CardWindow w;
    installMenuShortcutsWin(&w.window);
    QSignalSpy exits(w.mnuFileExit, &QAction::triggered);
    QSignalSpy opens(w.mnuFileOpen, &QAction::triggered);
    QSignalSpy outputs(w.mnuFileOutput, &QAction::triggered);

    w.focus(w.txtLevel);
    w.txtLevel->setText("keep me");
    w.txtLevel->selectAll();
    QTest::keyClick(w.txtLevel, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(exits.size(), 1);
    EXPECT_EQ(w.txtLevel->text(), "keep me");

    w.focus(w.cboName);
    QTest::keyClick(w.cboName, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(w.cboName, Qt::Key_V, Qt::ControlModifier);
    w.focus(w.txtNotes);
    QTest::keyClick(w.txtNotes, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(opens.size(), 1);
    EXPECT_EQ(outputs.size(), 1);
    EXPECT_EQ(exits.size(), 2);

    // A disabled menu item leaves the key to the text box: Ctrl+V pastes.
    w.mnuFileOutput->setEnabled(false);
    QApplication::clipboard()->setText("pasted");
    w.focus(w.txtLevel);
    w.txtLevel->clear();
    QTest::keyClick(w.txtLevel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(outputs.size(), 1);
    EXPECT_EQ(w.txtLevel->text(), "pasted");
    // Keys that are no menu shortcut stay with the text box.
    w.txtLevel->selectAll();
    QTest::keyClick(w.txtLevel, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "pasted");
}

TEST(Keyboard, AComboBoxClickRunsOnTheUsersChoiceOnly)
{
    CardWindow w;
    QSignalSpy clicks(w.cboName, &QComboBox::activated);
    w.cboName->setCurrentText("Sparkit");
    w.cboName->setCurrentIndex(0);
    EXPECT_EQ(clicks.size(), 0);
    w.focus(w.cboName);
    QTest::keyClick(w.cboName, Qt::Key_Down);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 1);
    EXPECT_EQ(w.cboName->currentText(), "Sparkit");
}
