#include "shell/PictureButton.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

static void initShellPictures()
{
    Q_INIT_RESOURCE(shell_pictures); // the resource lives in a static library
}

QPixmap shellPicture(const QString& name)
{
    static const bool loaded = (initShellPictures(), true);
    Q_UNUSED(loaded);
    return QPixmap(QStringLiteral(":/shell/") + name);
}

PictureButton::PictureButton(const QString& objectName, const QString& picture, const QString& hint,
                             QWidget* parent)
    : QAbstractButton(parent), m_picture(shellPicture(picture))
{
    setObjectName(objectName);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(100, 100);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
    if (isDown())
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
}

PictureBand::PictureBand(int height, QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFixedHeight(height);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 6, 12, 4);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(99, 1);
}

PictureButton* PictureBand::add(const QString& objectName, const QString& picture, const QString& hint,
                                const QString& caption)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* button = new PictureButton(objectName, picture, hint, this);
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl_") + objectName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    grid->addWidget(button, 0, m_count, Qt::AlignHCenter);
    grid->addWidget(label, 1, m_count, Qt::AlignHCenter | Qt::AlignTop);
    ++m_count;
    return button;
}

BackgroundPicture::BackgroundPicture(const QString& picture, QWidget* parent)
    : QWidget(parent), m_picture(shellPicture(picture))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BackgroundPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
}
