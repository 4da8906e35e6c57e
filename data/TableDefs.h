#pragma once

#include "platform/dataset/FieldDef.h"

#include <QString>

#include <vector>

// The tables and columns the system relies on, in their documented order.
struct ColumnDef
{
    const char* name;
    ds::FieldType type;
    int size;     // characters for text columns, 0 otherwise
    bool notNull; // only keys (and ATENDIMENTO_GERAL.IDUSERPUB)
};

struct TableDef
{
    const char* name;
    const char* keyColumn;
    std::vector<ColumnDef> columns;
};

const std::vector<TableDef>& tableDefs();
// Throws std::out_of_range for an unknown table; the name matches without regard to case.
const TableDef& tableDef(const QString& name);
