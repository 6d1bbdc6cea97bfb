#include "platform/ui/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

namespace ui {

Form::Form(QWidget *parent)
    : QMainWindow(parent)
{
    // Quitting the application closes every window the user still has open.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            unload();
    });
}

Form::~Form()
{
    if (modalLoop)
        modalLoop->quit();
}

void Form::showModal()
{
    if (modalLoop)
        return;
    const QPointer<QWidget> beneath = QApplication::activeWindow();
    const QPointer<Form> self(this);
    if (isVisible())
        hide();   // modality only takes effect when the window is shown

    QEventLoop loop;
    modalLoop = &loop;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (!self)
        return;   // deleted while shown

    modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
    // Hand the activation back to the window the user came from, as the classic framework did;
    // not every window system does it by itself.
    if (beneath && beneath != this && beneath->isVisible())
        beneath->activateWindow();
}

bool Form::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    // A window becoming active again after a message box, a common dialog or another program is
    // no new activation; after another of the program's windows, it is.
    if (event->type() == QEvent::WindowActivate && !lastActivated) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *form = qobject_cast<Form *>(window))
                form->lastActivated = false;
        lastActivated = true;
        Form_Activate();
    }
    return handled;
}

void Form::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form::showEvent(QShowEvent *event)
{
    loaded = true;
    QMainWindow::showEvent(event);
    // A window the program shows becomes the active one. Window systems without a window
    // manager (a bare X server) would leave it inactive.
    if (!event->spontaneous())
        activateWindow();
}

void Form::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    // A minimised window is still open; only a real hide ends a modal show.
    if (event->spontaneous())
        return;
    lastActivated = false;
    if (modalLoop)
        modalLoop->quit();
}

void Form::unload()
{
    if (!loaded)
        return;
    loaded = false;
    Form_Unload();
}

} // namespace ui
