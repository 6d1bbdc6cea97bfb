#include "AppFixture.h"
#include "app/frmAbout.h"

#include <QFile>
#include <QLabel>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

using namespace ui;
using namespace db;
using namespace sys;
using namespace deck;

namespace {

const QByteArray msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray location = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString unavailable = "System Information Is Unavailable At This Time";

// A harmless program the about box may start: it exits at once.
QString writeProgram(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(About, LoadSetsTitleVersionAndContactLinesInABoxOfFixedSize)
{
    AppFixture app;
    QWidget owner;
    owner.show();
    frmAbout about(app.context, &owner);
    about.show();
    EXPECT_EQ(about.windowHandle()->transientParent(), owner.windowHandle());
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about.windowTitle(), "About ZentDeckBuilder");
    EXPECT_EQ(about.findChild<QLabel *>("lblVersion")->text(), "Version 1.0.0");
    EXPECT_EQ(about.findChild<QLabel *>("lblTitle")->text(), "ZentDeckBuilder");
    EXPECT_EQ(frmAbout::contactLines().split("\r\n").size(), 5);
    EXPECT_FALSE(frmAbout::contactLines().endsWith("\r\n"));
    EXPECT_EQ(about.findChild<QLabel *>("lblAddress")->text(),
              QString(frmAbout::contactLines()).replace("\r\n", "\n"));
    EXPECT_EQ(about.findChild<QPushButton *>("cmdSysInfo")->text(), "&System Info...");
    about.close();
}

TEST(About, EnterAndEscapeBothCloseIt)
{
    AppFixture app;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout about(app.context);
        bool stuck = false;
        QTimer::singleShot(0, [&] {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &about, key);
        });
        // A box that ignored the key would hold the test; it is closed after a while instead.
        QTimer::singleShot(3000, &about, [&] {
            stuck = true;
            about.close();
        });
        about.showModal();
        EXPECT_FALSE(stuck) << "key " << key;
        EXPECT_FALSE(about.isVisible());
    }
}

TEST(About, SystemInfoFollowsTheTwoRegistryLookups)
{
    // The first value is used unchanged, without an existence test.
    {
        AppFixture app;
        app.registry.setString(HKEY_LOCAL_MACHINE, msinfo, "PATH",
                               writeProgram(app.folder.file("sysinfo")).toLatin1());
        frmAbout about(app.context);
        about.cmdSysInfo_Click();
        EXPECT_TRUE(app.dialogs.shown().isEmpty());
        EXPECT_EQ(app.registry.log().first().function, "RegOpenKeyExA");
    }
    // Only the folder: started when MSINFO32.EXE lies in it, else the one message.
    {
        AppFixture app;
        writeProgram(app.folder.file("MSINFO32.EXE"));
        app.registry.setString(HKEY_LOCAL_MACHINE, location, "MSINFO", app.folder.path().toLatin1());
        frmAbout about(app.context);
        about.StartSysInfo();
        EXPECT_TRUE(app.dialogs.shown().isEmpty());

        QFile::remove(app.folder.file("MSINFO32.EXE"));
        app.dialogs.answerMessage(MessageAnswer::Ok);
        about.StartSysInfo();
        ASSERT_EQ(app.dialogs.shown().size(), 1);
        const ScriptedDialogs::Shown &box = app.dialogs.shown()[0];
        EXPECT_EQ(box.text, unavailable);
        EXPECT_EQ(box.title, "ZentDeckBuilder");
        EXPECT_EQ(box.icon, MessageIcon::None);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
    }
    // Neither value, a refused key, an empty value, a program that cannot start: one message each.
    const auto expectUnavailable = [](const std::function<void(Registry &, TempDir &)> &setUp) {
        AppFixture app;
        setUp(app.registry, app.folder);
        app.dialogs.answerMessage(MessageAnswer::Ok);
        frmAbout about(app.context);
        about.StartSysInfo();
        EXPECT_EQ(app.dialogs.shownTexts(), QStringList({unavailable}));
    };
    expectUnavailable([](Registry &, TempDir &) {});
    expectUnavailable([](Registry &registry, TempDir &folder) {
        registry.setString(HKEY_LOCAL_MACHINE, msinfo, "PATH", folder.file("x").toLatin1());
        registry.denyAccess(HKEY_LOCAL_MACHINE, msinfo);
    });
    expectUnavailable([](Registry &registry, TempDir &) {
        registry.setValue(HKEY_LOCAL_MACHINE, msinfo, "PATH", {REG_SZ, QByteArray()});
    });
    expectUnavailable([](Registry &registry, TempDir &folder) {
        registry.setString(HKEY_LOCAL_MACHINE, msinfo, "PATH", folder.file("missing").toLatin1());
    });
}

TEST(About, GetKeyValueReadsStringsAndNumbers)
{
    AppFixture app;
    app.registry.setString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Text", "C:\\Tools\\");
    app.registry.setValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Number",
                          {REG_DWORD, QByteArray("\x0A\x00\x01\x20", 4)});
    app.registry.setValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Raw", {3, QByteArray("ab")});
    frmAbout about(app.context);

    QString value = "before";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "software\\test", "Text", value));
    EXPECT_EQ(value, "C:\\Tools\\");
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Number", value));
    EXPECT_EQ(value, "&h2010A");
    value = "kept";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Raw", value));
    EXPECT_EQ(value, "kept");
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Missing", value));
    EXPECT_EQ(value, "");
    value = "x";
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nothing", "Text", value));
    EXPECT_EQ(value, "");
}
