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
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace ui;

// The main window's own tests press Enter and the menu keys in ordinary boxes; these are the
// places where the key belongs to someone else.
TEST(Keyboard, EnterAndMenuKeysGoWhereTheyBelong)
{
    QMainWindow window;
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    auto *cboName = new QComboBox;
    auto *txtLevel = new QLineEdit;
    auto *cmdAdd2Deck = new QPushButton("Add &Zentari");
    auto *cmdClear = new QPushButton("Clear Deck");
    for (QWidget *control : std::initializer_list<QWidget *>{cboName, txtLevel, cmdAdd2Deck, cmdClear})
        layout->addWidget(control);
    window.setCentralWidget(central);
    cboName->setEditable(true);
    cboName->addItems({"Blazer", "Sparkit"});
    QAction *output = window.menuBar()->addMenu("&File")->addAction("&View", QKeySequence("Ctrl+V"), [] {});
    installDefaultButton(&window, cmdAdd2Deck);
    installMenuShortcutsWin(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy adds(cmdAdd2Deck, &QPushButton::clicked), clears(cmdClear, &QPushButton::clicked);
    const auto key = [](QWidget *control, Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
        control->setFocus();
        QTest::keyClick(control, pressed, modifiers);
    };

    // A focused button presses itself; an open list takes Enter to choose; Ctrl+Enter is no Enter.
    key(cmdClear, Qt::Key_Return);
    cboName->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    key(txtLevel, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clears.size(), 1);
    EXPECT_EQ(adds.size(), 0);
    // A disabled default button takes no click.
    cmdAdd2Deck->setEnabled(false);
    key(txtLevel, Qt::Key_Return);
    EXPECT_EQ(adds.size(), 0);

    // A disabled menu item leaves its key to the text box: Ctrl+V pastes.
    output->setEnabled(false);
    QApplication::clipboard()->setText("pasted");
    key(txtLevel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(txtLevel->text(), "pasted");
}
