#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QTimer;

// A status bar of fixed-width panels, each drawn as a filled rectangle with its text at two
// pixels from the left and at the top, clipped to the panel.
class StatusPanels final : public QWidget
{
    Q_OBJECT

public:
    struct Panel
    {
        int width;
        QColor color = Qt::black;
        bool bold = false;
    };

    StatusPanels(const QString& objectName, int height, std::vector<Panel> panels, QWidget* parent);

    void setText(int panel, const QString& text);
    QString text(int panel) const;
    int panelCount() const { return static_cast<int>(m_panels.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Panel> m_panels;
    std::vector<QString> m_texts;
};

// The one-second clock behind a status bar: a running timer named "Timer1" owned by owner.
QTimer* startClock(QObject* owner, std::function<void()> tick);

// The workstation's long formats, as the status bars show them.
QString longTimeText();
QString longDateText();
