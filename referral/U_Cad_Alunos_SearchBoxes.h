#pragma once

#include <QEvent>
#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

// Pieces of the referral screens' search strips and editors that the plain widgets lack.
namespace search_boxes {

// The masked telephone box, "(  )     -    " while empty.
QLineEdit* makePhoneBox(QWidget* parent, const QString& name);
// The phone box's text as the stored telephones read: literals kept, a blank for every
// position not typed yet.
QString phoneText(const QLineEdit* box);
// Empties a box without running its change handler.
void clearQuietly(QLineEdit* box);

// Calls the handler for each event of one type that reaches the widget, before the widget
// sees it; the handler returns true to swallow the event. Edit boxes have no click event,
// editors no exit event.
class EventWatch final : public QObject
{
    Q_OBJECT

public:
    EventWatch(QWidget* widget, QEvent::Type type, std::function<bool(QEvent*)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QEvent::Type m_type;
    std::function<bool(QEvent*)> m_handler;
};

// The handler runs on a mouse press on the widget.
void onClick(QWidget* widget, std::function<void()> handler);

} // namespace search_boxes
