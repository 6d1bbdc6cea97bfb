#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

// The window shown while the program starts. After seven seconds its timer creates the main
// window (whose load runs to the end first), shows it and closes the splash.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    using MainWindowFactory = std::function<QWidget *()>;
    explicit frmSplash(MainWindowFactory createMainWindow);

    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createLabels();
    QLabel *addLabel(const QString &objectName, const QString &text, const QFont &font);

    MainWindowFactory createMainWindow;
    QTimer *Timer1;
};
