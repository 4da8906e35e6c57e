#include "referral/U_Cad_Alunos_SearchBoxes.h"

#include "platform/widgets/EditMask.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace search_boxes {

namespace {
const dbw::EditMask& phoneMask()
{
    static const dbw::EditMask mask = dbw::EditMask::parse(QStringLiteral("!\\(99\\)00000-0000;1;_"));
    return mask;
}
} // namespace

QLineEdit* makePhoneBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setInputMask(phoneMask().qtInputMask());
    return box;
}

QString phoneText(const QLineEdit* box)
{
    return phoneMask().storedText(box->displayText());
}

void clearQuietly(QLineEdit* box)
{
    const QSignalBlocker blocker(box);
    box->clear();
}

EventWatch::EventWatch(QWidget* widget, QEvent::Type type, std::function<bool(QEvent*)> handler)
    : QObject(widget), m_type(type), m_handler(std::move(handler))
{
    widget->installEventFilter(this);
}

bool EventWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == m_type && m_handler(event))
        return true;
    return QObject::eventFilter(watched, event);
}

void onClick(QWidget* widget, std::function<void()> handler)
{
    new EventWatch(widget, QEvent::MouseButtonPress, [handler = std::move(handler)](QEvent*) {
        handler();
        return false;
    });
}

} // namespace search_boxes
