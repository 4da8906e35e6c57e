#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QLabel;
class QWidget;

// One of the shell's pictures by file name ("sair.png").
QPixmap shellPicture(const QString& name);

// A picture used as a button: hand cursor, its hint as tooltip, no focus of its own.
class PictureButton final : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QString& objectName, const QString& picture, const QString& hint, QWidget* parent);
    QSize sizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

// The white band at the top of a sector window: pictures left to right, a caption under each.
class PictureBand final : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBand(int height, QWidget* parent);
    PictureButton* add(const QString& objectName, const QString& picture, const QString& hint,
                       const QString& caption);

private:
    int m_count = 0;
};

// A picture stretched over the whole widget.
class BackgroundPicture final : public QWidget
{
    Q_OBJECT

public:
    BackgroundPicture(const QString& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
