#include "platform/ui/PictureBox.h"

#include "platform/system/Files.h"

#include <QImageReader>
#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

bool PictureBox::loadPicture(const QString &path)
{
    if (path.isEmpty()) {
        image = QImage();
        update();
        return true;
    }
    // A pipe or a device would keep the reader waiting, or reading, for ever.
    if (!sys::isRegularFile(path))
        return false;
    QImageReader reader(path);
    QImage loaded = reader.read();
    if (loaded.isNull())
        return false;
    image = std::move(loaded);
    update();
    return true;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(contentsRect(), image);
}

} // namespace ui
