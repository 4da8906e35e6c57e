#pragma once

#include <QString>

#include <vector>

namespace sys {

// A read-only INI file: "[section]" headers and "key=value" lines; section and key names
// match without regard to case, values are trimmed of surrounding blanks only. A missing
// file reads as empty.
class IniFile final
{
public:
    explicit IniFile(const QString& path);
    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;

private:
    struct Entry
    {
        QString section;
        QString key;
        QString value;
    };
    std::vector<Entry> m_entries;
};

} // namespace sys
