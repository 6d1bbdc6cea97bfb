#pragma once

#include <QMainWindow>

class QEventLoop;

namespace ui {

// Base of the program's windows, with the classic order of window events:
// - load: the subclass's constructor (it ends before the window is first shown);
// - Form_Activate: on first display, and whenever the window becomes the program's active window
//   again coming from another of the program's windows (e.g. a modal window over it closed).
//   Message boxes, common dialogs and other programs do not count: returning from them is no
//   new activation;
// - Form_Unload: on every close (close box, close(), the application quitting while it is open);
// - Form_Resize: whenever the window's size changes.
// showModal() shows it application-modal and returns only when it is closed or hidden.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    void showModal();

protected:
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void unload();

    QEventLoop *modalLoop = nullptr;
    bool loaded = true;   // constructed or shown again, and not yet unloaded
    bool lastActivated = false; // the program's window that became active last
};

} // namespace ui
