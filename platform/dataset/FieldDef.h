#pragma once

#include <QString>

namespace ds {

enum class FieldType { Integer, String, FixedString, Date, Time, DateTime, Float, Boolean, Blob, Memo };

// A declared field of a client dataset.
struct FieldDef
{
    QString name;
    FieldType type = FieldType::String;
    int size = 0;          // characters, for String and FixedString
    bool required = false; // Post refuses an empty value
    bool key = false;      // part of the row's key for the apply step
    QString editMask;      // entry mask for bound editors, e.g. "!99/99/0000;1;_"
};

inline bool isBlobType(FieldType type)
{
    return type == FieldType::Blob || type == FieldType::Memo;
}

} // namespace ds
