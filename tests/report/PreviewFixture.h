#pragma once

#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/RichTextBox.h"
#include "report/frmPreview.h"

#include <QAction>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

inline const QString deckList = "Current Deck:\r\n\r\nQuarlith\r\nSkarnox\r\n\r\n * * * * * * * * * * * *\r\n"
                                "1  Colorless Energy";

// The preview shown over a window it returns to, as the deck list command shows it.
struct Preview
{
    TempDir folder;
    ui::ScriptedDialogs dialogs;
    QWidget main;
    int aboutShown = 0;
    frmPreview window{{dialogs, folder.path(), deckList, [this](QWidget *) { ++aboutShown; }}, &main};
    ui::RichTextBox &rtfMain = *window.findChild<ui::RichTextBox *>("rtfMain");
    ui::KeyedToolBar &tbrMain = *window.findChild<ui::KeyedToolBar *>("tbrMain");
    report::PreviewFormatting &format = window.formatting();

    Preview()
    {
        main.show();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void select(int from, int to)
    {
        QTextCursor cursor = rtfMain.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        rtfMain.setTextCursor(cursor);
    }
    // The format of the character at that place of the document.
    QTextCharFormat at(int position) const
    {
        QTextCursor cursor(rtfMain.document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    // "1-1" when bold's check mark and toolbar button are on, "0-0" when both are off.
    QString shownBold() const
    {
        return QString("%1-%2").arg(window.findChild<QAction *>("mnuFormatBold")->isChecked())
            .arg(tbrMain.button("Bold")->isPressed());
    }
    // The text a PDF reader finds in what was printed of the selection, or of everything.
    QString printed(bool selection)
    {
        const QString pdf = folder.file("printed.pdf");
        select(15, selection ? 23 : 15); // "Quarlith"
        dialogs.answerPrinter(pdf);
        window.PrintDeckList();
        QProcess reader;
        reader.start("pdftotext", {pdf, "-"});
        reader.waitForFinished(10000);
        return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    }
};
