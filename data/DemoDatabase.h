#pragma once

#include <QDate>
#include <QString>

namespace fb {
class Connection;
}

// The schema script shipped with the program.
QString schemaScript();

// Creates a new database file (refusing to overwrite one) and applies the schema.
void createSchemaDatabase(const QString& path, const QString& userName, const QString& password);

// Inserts the demo rows and moves each key sequence past the keys used.
void loadDemoData(fb::Connection& connection, const QDate& today);
