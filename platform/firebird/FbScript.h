#pragma once

#include <QString>
#include <QStringList>

namespace fb {

class Connection;

// Splits an isql script into statements: "--" and "/* */" comments dropped, ";" as the
// terminator until "SET TERM" changes it, quoted texts kept whole.
QStringList splitScript(const QString& script);

// Runs each statement of the script in a transaction of its own, as isql does for DDL.
void runScript(Connection& connection, const QString& script);

} // namespace fb
