#include "shell/MenuEntry.h"

#include <QAction>
#include <QMenu>

QAction* addEntry(QMenu* menu, const char* objectName, const QString& text, const QKeySequence& key)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(objectName));
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}
