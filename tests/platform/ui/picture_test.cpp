#include "platform/ui/PictureBox.h"

#include "TempDir.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ui;

TEST(PictureBox, LoadsStretchesClearsAndKeepsThePreviousPictureOnFailure)
{
    TempDir folder;
    QImage red(4, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.file("red.png")));
    QFile broken(folder.file("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
    broken.close();
    // A pipe would keep the reader waiting for a writer for ever.
    ASSERT_EQ(mkfifo(folder.file("pipe.png").toLocal8Bit().constData(), 0600), 0);

    PictureBox imgZents;
    imgZents.resize(40, 30);
    ASSERT_TRUE(imgZents.loadPicture(folder.file("red.png")));
    for (const char *unreadable : {"missing.png", "broken.jpg", "pipe.png"})
        EXPECT_FALSE(imgZents.loadPicture(folder.file(unreadable))) << unreadable;
    EXPECT_FALSE(imgZents.loadPicture(folder.path()));
    // The red picture stays, stretched over the whole box inside its frame.
    const QImage shown = imgZents.grab().toImage();
    const QRect inside = imgZents.contentsRect();
    EXPECT_EQ(shown.pixelColor(inside.topLeft() + QPoint(1, 1)), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(inside.bottomRight() - QPoint(1, 1)), QColor(Qt::red));

    EXPECT_TRUE(imgZents.loadPicture(""));
    EXPECT_FALSE(imgZents.hasPicture());
}
