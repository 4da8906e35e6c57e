#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace ds {

// Order of texts for sorting and for ">=" / "<=": letters compare without regard to case and
// accents first ("ÁGUA" sorts with "AGUA", before "B"), then byte by byte to break ties.
int compareText(QByteArrayView a, QByteArrayView b);

// The first four characters' primary weights packed in order, for sort keys: texts with
// different prefixes compare as their prefixes do.
uint64_t textSortPrefix(QByteArrayView text);

// SQL-style pattern match on UTF-8 text: "%" any run of characters, "_" exactly one.
bool likeMatch(QByteArrayView text, QByteArrayView pattern, bool caseInsensitive);

// Equality, optionally without regard to case.
bool textEquals(QByteArrayView a, QByteArrayView b, bool caseInsensitive);

} // namespace ds
