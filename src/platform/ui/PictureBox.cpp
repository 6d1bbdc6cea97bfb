#include "platform/ui/PictureBox.h"

#include "platform/system/Files.h"

#include <QAccessibleWidget>
#include <QImageReader>
#include <QPainter>

namespace ui {

namespace {

// A screen reader presents a picture box as a picture, with the description the program gives.
QAccessibleInterface *pictureAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String(PictureBox::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    static const bool readable = (QAccessible::installFactory(pictureAccessible), true);
    Q_UNUSED(readable);
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
