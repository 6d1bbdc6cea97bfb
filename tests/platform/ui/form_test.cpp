#include "platform/ui/Form.h"
#include "platform/ui/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ui;

namespace {

// A window that writes its events into a shared log as "name.Event".
class LoggedForm : public Form
{
public:
    LoggedForm(const QString &formName, QStringList &events) : name(formName), log(events)
    {
        setObjectName(name);
        resize(200, 150);
    }

    void Form_Activate() override { log.append(name + QLatin1String(".Activate")); }
    void Form_Unload() override { log.append(name + QLatin1String(".Unload")); }

private:
    QString name;
    QStringList &log;
};

bool waitForEntries(const QStringList &log, qsizetype count)
{
    return QTest::qWaitFor([&] { return log.size() >= count; }, 3000);
}

// Runs once the modal window is up and active: nested event loops are how the program's
// modal windows behave, so the test acts from inside one.
void whenActive(QWidget &window, std::function<void()> action)
{
    QTimer::singleShot(0, &window, [&window, action] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        action();
    });
}

} // namespace

TEST(Form, ActivatesOnFirstDisplayAndUnloadsOnEveryClose)
{
    QStringList log;
    LoggedForm main(QStringLiteral("main"), log);
    main.show();
    ASSERT_TRUE(waitForEntries(log, 1));
    EXPECT_EQ(log, QStringList{"main.Activate"});

    // Returning from a message box is no new activation.
    QtDialogs dialogs;
    QTimer::singleShot(0, &main, [] {
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    messageBox(dialogs, &main, QStringLiteral("Hello"));
    // The window is active again before any activation could be logged.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{"main.Activate"});

    main.close();
    EXPECT_EQ(log, (QStringList{"main.Activate", "main.Unload"}));
    main.close();   // already unloaded
    EXPECT_EQ(log.size(), 2);

    // Shown again, the window is loaded and activated again.
    main.show();
    ASSERT_TRUE(waitForEntries(log, 3));
    main.close();
    EXPECT_EQ(log, (QStringList{"main.Activate", "main.Unload", "main.Activate", "main.Unload"}));
}

TEST(Form, ShowModalReturnsOnCloseAndTheWindowBeneathIsActivatedAgain)
{
    QStringList log;
    LoggedForm main(QStringLiteral("main"), log);
    LoggedForm preview(QStringLiteral("preview"), log);
    main.show();
    ASSERT_TRUE(waitForEntries(log, 1));

    bool mainBlocked = false;
    whenActive(preview, [&] {
        mainBlocked = QApplication::activeModalWidget() == &preview && preview.isShownModal();
        preview.close();
    });
    preview.showModal();
    EXPECT_TRUE(mainBlocked);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_FALSE(preview.isShownModal());
    EXPECT_EQ(preview.windowModality(), Qt::NonModal);
    ASSERT_TRUE(waitForEntries(log, 4));
    EXPECT_EQ(log, (QStringList{"main.Activate", "preview.Activate", "preview.Unload",
                                "main.Activate"}));
    EXPECT_TRUE(main.isActiveWindow());
}

TEST(Form, ModalWindowsNestAndHidingEndsAModalShowWithoutUnload)
{
    QStringList log;
    LoggedForm main(QStringLiteral("main"), log);
    LoggedForm preview(QStringLiteral("preview"), log);
    LoggedForm about(QStringLiteral("about"), log);
    main.show();
    ASSERT_TRUE(waitForEntries(log, 1));

    whenActive(preview, [&] {
        whenActive(about, [&] { about.close(); });
        about.showModal();
        // Back from the about box, the preview window is the active one again.
        EXPECT_TRUE(waitForEntries(log, 5));
        preview.hide();
    });
    preview.showModal();
    ASSERT_TRUE(waitForEntries(log, 6));
    EXPECT_EQ(log, (QStringList{"main.Activate", "preview.Activate", "about.Activate",
                                "about.Unload", "preview.Activate", "main.Activate"}));
}

TEST(Form, QuittingTheApplicationUnloadsOpenWindowsOnce)
{
    QStringList log;
    LoggedForm open(QStringLiteral("open"), log);
    LoggedForm hidden(QStringLiteral("hidden"), log);
    open.show();
    ASSERT_TRUE(waitForEntries(log, 1));

    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec();
    EXPECT_EQ(log, (QStringList{"open.Activate", "open.Unload"}));
}
