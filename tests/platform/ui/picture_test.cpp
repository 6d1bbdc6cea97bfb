#include "platform/ui/PictureBox.h"

#include "TempDir.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ui;

namespace {

QString savePicture(const TempDir &folder, const QString &name, const QColor &colour)
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder.file(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

} // namespace

TEST(PictureBox, LoadsClearsAndKeepsThePreviousPictureOnFailure)
{
    TempDir folder;
    const QString red = savePicture(folder, "red.png", Qt::red);
    const QString blue = savePicture(folder, "blue.bmp", Qt::blue);
    QFile broken(folder.file("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    PictureBox imgZents;
    EXPECT_FALSE(imgZents.hasPicture());
    ASSERT_TRUE(imgZents.loadPicture(red));
    EXPECT_EQ(imgZents.picture().pixelColor(0, 0), QColor(Qt::red));

    // A missing file, one that is no picture, or a folder: the red picture stays.
    EXPECT_FALSE(imgZents.loadPicture(folder.file("missing.png")));
    EXPECT_FALSE(imgZents.loadPicture(folder.file("broken.jpg")));
    EXPECT_FALSE(imgZents.loadPicture(folder.path()));
    EXPECT_EQ(imgZents.picture().pixelColor(0, 0), QColor(Qt::red));

    // A pipe would keep the reader waiting for a writer: it is refused at once.
    const QString pipe = folder.file("pipe.png");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(imgZents.loadPicture(pipe));
    EXPECT_EQ(imgZents.picture().pixelColor(0, 0), QColor(Qt::red));

    ASSERT_TRUE(imgZents.loadPicture(blue));
    EXPECT_EQ(imgZents.picture().pixelColor(0, 0), QColor(Qt::blue));

    EXPECT_TRUE(imgZents.loadPicture(""));
    EXPECT_FALSE(imgZents.hasPicture());
}

TEST(PictureBox, StretchesThePictureToFillTheFrame)
{
    TempDir folder;
    QImage twoColours(2, 1, QImage::Format_RGB32);
    twoColours.setPixelColor(0, 0, Qt::red);
    twoColours.setPixelColor(1, 0, Qt::blue);
    ASSERT_TRUE(twoColours.save(folder.file("two.png")));

    PictureBox imgZents;
    imgZents.resize(102, 62);
    ASSERT_TRUE(imgZents.loadPicture(folder.file("two.png")));
    const QImage shown = imgZents.grab().toImage();
    const QRect inside = imgZents.contentsRect();
    EXPECT_EQ(inside, QRect(1, 1, 100, 60));   // a thin frame
    // Left half red, right half blue, top to bottom: the 2 x 1 picture fills the box.
    EXPECT_EQ(shown.pixelColor(inside.left() + 5, inside.top()), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(inside.left() + 5, inside.bottom()), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(inside.right() - 5, inside.bottom()), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(inside.right() - 5, inside.top()), QColor(Qt::blue));
}
