#include "app/frmSplash.h"

#include "app/Logos.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor splashBlue(0, 40, 160);
const QColor splashYellow(255, 230, 0);

} // namespace

frmSplash::frmSplash(MainWindowFactory factory)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      createMainWindow(std::move(factory)), Timer1(new QTimer(this))
{
    setObjectName("frmSplash");
    setWindowTitle("Form1");
    // Gone for good once closed: nothing of it stays behind, not even for a screen reader.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    createLabels();
    setFixedSize(520, 470);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1->setObjectName("Timer1");
    Timer1->setInterval(7000);
    // A coarse timer may fire a little early; the splash stays its full seven seconds.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

QLabel *frmSplash::addLabel(const QString &objectName, const QString &text, const QFont &font)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, splashYellow);
    label->setPalette(palette);
    return label;
}

void frmSplash::createLabels()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 14);
    layout->setSpacing(6);

    auto *imgLogo = new QLabel(this);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(logos::titleLogo());
    imgLogo->setScaledContents(true);
    imgLogo->setFixedSize(460, 169);
    imgLogo->setAccessibleName("ZentDeckBuilder logo");
    layout->addWidget(imgLogo, 0, Qt::AlignHCenter);

    // "Deck Builder" with its small trademark sign at the right end.
    QFont titleFont("Comic Sans MS");
    titleFont.setPointSizeF(20.25); // not a whole point size, so not given to the constructor
    titleFont.setBold(true);
    auto *title = new QHBoxLayout;
    title->addStretch();
    title->addWidget(addLabel("Label2", "Deck Builder", titleFont));
    QLabel *mark = addLabel("Label1", "TM", QFont("Arial", 7));
    mark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title->addWidget(mark, 0, Qt::AlignTop);
    title->addStretch();
    layout->addLayout(title);

    layout->addWidget(addLabel("Label6", "For every young duellist who ever shuffled up a deck "
                                         "at the kitchen table",
                               QFont("Arial", 9, QFont::Bold)));
    layout->addWidget(addLabel("Label3", "Version 1.2.0", QFont("Arial", 9)));
    layout->addWidget(addLabel("Label4", "Loading the card catalogue, please wait...",
                               QFont("Arial", 8)));

    auto *bottom = new QHBoxLayout;
    auto *smallLogo = new QLabel(this);
    smallLogo->setObjectName("imgSmallLogo");
    smallLogo->setPixmap(logos::smallLogo({100, 42}));
    smallLogo->setFixedSize(100, 42);
    smallLogo->setAccessibleName("Zentari emblem");
    bottom->addWidget(smallLogo, 0, Qt::AlignBottom);
    QLabel *disclaimer = addLabel(
        "Label8",
        "Zentari and the Zentari card game are trademarks of their respective owners. "
        "This deck builder is a fan-made tool and is not endorsed by them.",
        QFont("Arial", 7));
    disclaimer->setFrameShape(QFrame::Box);
    disclaimer->setMargin(3);
    bottom->addWidget(disclaimer, 1);
    layout->addLayout(bottom);
}

void frmSplash::paintEvent(QPaintEvent *)
{
    // Shape1: the blue rounded rectangle the whole splash stands on.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(splashYellow, 2));
    painter.setBrush(splashBlue);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 24, 24);
}

void frmSplash::Timer1_Timer()
{
    // The main window's load runs to its end inside its creation, while the splash still shows.
    QWidget *main = createMainWindow();
    if (main)
        main->show();
    // Closing the splash ends its timer too, so this runs once.
    Timer1->stop();
    close();
}
