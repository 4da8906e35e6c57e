#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;

// One menu entry, named for tests and for the shells' opener tables.
QAction* addEntry(QMenu* menu, const char* objectName, const QString& text, const QKeySequence& key = {});
