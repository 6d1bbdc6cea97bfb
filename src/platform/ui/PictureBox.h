#pragma once

#include <QFrame>
#include <QImage>

namespace ui {

// A picture in a thin frame, stretched to fill it.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // An empty path clears the picture (true). A file that cannot be read or decoded keeps the
    // previous picture (false), as does anything but an ordinary file. A relative path resolves
    // against the current folder.
    bool loadPicture(const QString &path);
    bool hasPicture() const { return !image.isNull(); }
    QImage picture() const { return image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image;
};

} // namespace ui
