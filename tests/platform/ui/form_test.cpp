#include "platform/ui/Form.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ui;

namespace {

// A window that writes its events into a shared log as "name.Event".
class LoggedForm : public Form
{
public:
    LoggedForm(const char *formName, QStringList &events) : name(formName), log(events) { resize(200, 150); }
    void Form_Activate() override { log.append(name + ".Activate"); }
    void Form_Unload() override { log.append(name + ".Unload"); }

private:
    QString name;
    QStringList &log;
};

// Runs the action once the window is up and active, from inside its modal event loop.
void whenActive(QWidget &window, std::function<void()> action)
{
    QTimer::singleShot(0, &window, [&window, action] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        action();
    });
}

} // namespace

TEST(Form, ActivatesOnDisplayAndReturnUnloadsOnEveryCloseAndShowsModally)
{
    QStringList log;
    LoggedForm main("main", log);
    main.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 1; }));

    // Returning from a message box is no new activation.
    QtDialogs dialogs;
    QTimer::singleShot(0, &main, [] {
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
    });
    messageBox(dialogs, &main, "Hello");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{"main.Activate"});

    // Modal windows nest; each returns when closed or hidden, and the window beneath is
    // activated again. Hiding is no unload.
    LoggedForm preview("preview", log);
    LoggedForm about("about", log);
    whenActive(preview, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &preview);
        whenActive(about, [&] { about.close(); });
        about.showModal();
        EXPECT_TRUE(QTest::qWaitFor([&] { return log.size() == 5; }));
        preview.hide();
    });
    preview.showModal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 6; }));
    EXPECT_EQ(log, (QStringList{"main.Activate", "preview.Activate", "about.Activate", "about.Unload",
                                "preview.Activate", "main.Activate"}));

    // Closed twice, unloaded once; quitting unloads the windows still open.
    main.close();
    main.close();
    LoggedForm open("open", log);
    open.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 8; }));
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec();
    EXPECT_EQ(log.mid(6), (QStringList{"main.Unload", "open.Activate", "open.Unload"}));
}
