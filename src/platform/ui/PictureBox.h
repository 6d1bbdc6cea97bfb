#pragma once

#include <QFrame>
#include <QImage>

// A picture in a thin frame, stretched to fill it.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // An empty path clears the picture (true). A file that cannot be read or decoded keeps the
    // previous picture (false). A "\" in the path is a folder separator; a relative path
    // resolves against the current folder.
    bool loadPicture(const QString &path);
    bool hasPicture() const { return !image.isNull(); }
    QImage picture() const { return image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image;
};
