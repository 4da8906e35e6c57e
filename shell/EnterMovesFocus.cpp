#include "shell/EnterMovesFocus.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace {

class EnterFilter final : public QObject
{
public:
    explicit EnterFilter(QWidget* window) : QObject(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
            button->click();
            return true;
        }
        focusNext(static_cast<QWidget*>(watched));
        return true;
    }

private:
    static void focusNext(QWidget* from)
    {
        for (QWidget* next = from->nextInFocusChain(); next && next != from;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() &&
                next->window() == from->window()) {
                next->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    }
};

} // namespace

void installEnterMovesFocus(QWidget* window)
{
    auto* filter = new EnterFilter(window);
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(filter);
    }
}
