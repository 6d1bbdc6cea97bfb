#include "platform/ui/ImageList.h"


#include <gtest/gtest.h>

using namespace ui;

TEST(ImageList, DrawsEveryKeyedPictureWithSeeThroughCorners)
{
    for (const QString &key : ImageList::allKeys()) {
        const QImage picture = ImageList::drawPicture(key).toImage();
        ASSERT_EQ(picture.size(), QSize(16, 16)) << key.toStdString();
        int drawn = 0;
        for (int i = 0; i < 256; ++i)
            drawn += qAlpha(picture.pixel(i % 16, i / 16)) > 0;
        EXPECT_GT(drawn, 12) << key.toStdString();
        EXPECT_EQ(qAlpha(picture.pixel(0, 15)), 0) << key.toStdString();
    }
}
