#include "shell/StatusPanels.h"

#include "platform/system/Locale.h"

#include <QDate>
#include <QPainter>
#include <QTime>
#include <QTimer>

StatusPanels::StatusPanels(const QString& objectName, int height, std::vector<Panel> panels, QWidget* parent)
    : QWidget(parent), m_panels(std::move(panels)), m_texts(m_panels.size())
{
    setObjectName(objectName);
    setFixedHeight(height);
    // the panels' widths were laid out for a small sans-serif face
    QFont small(QStringLiteral("Arial"));
    small.setPointSize(8);
    setFont(small);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatusPanels::setText(int panel, const QString& text)
{
    m_texts.at(static_cast<size_t>(panel)) = text;
    update();
}

QString StatusPanels::text(int panel) const
{
    return m_texts.at(static_cast<size_t>(panel));
}

void StatusPanels::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Window);
    painter.fillRect(rect(), face);
    painter.setPen(face.darker(125));
    painter.drawLine(0, 0, width(), 0);
    int left = 0;
    for (size_t i = 0; i < m_panels.size(); ++i) {
        const Panel& panel = m_panels[i];
        const QRect box(left, 1, panel.width, height() - 1);
        painter.fillRect(box, face);
        painter.setPen(face.darker(125));
        painter.drawLine(box.right(), box.top() + 2, box.right(), box.bottom() - 2);
        QFont font = this->font();
        font.setBold(panel.bold);
        painter.setFont(font);
        painter.setPen(panel.color);
        painter.setClipRect(box.adjusted(0, 0, -1, 0));
        painter.drawText(box.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         m_texts[i]);
        painter.setClipping(false);
        left += panel.width;
    }
}

QString longTimeText()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

QString longDateText()
{
    return sys::longDate(QDate::currentDate());
}

QTimer* startClock(QObject* owner, std::function<void()> tick)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(1000);
    QObject::connect(timer, &QTimer::timeout, owner, std::move(tick));
    timer->start();
    return timer;
}
