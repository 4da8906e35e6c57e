#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <QVariant>

// Rows that make a fresh database look like a working department's.
struct DemoTable
{
    QString table;
    QStringList columns;
    QList<QVariantList> rows; // values in the order of columns; QDate/QTime/int/QString/null
};

// Deterministic for a given day: dates are spread over the months before it.
QList<DemoTable> demoData(const QDate& today);
