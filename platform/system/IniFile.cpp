#include "platform/system/IniFile.h"

#include <QFile>
#include <QStringDecoder>

namespace sys {

IniFile::IniFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    // Written on Windows machines as often as here: UTF-8 when it decodes cleanly, else Latin-1.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QString section;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        m_entries.push_back(
            {section, line.left(eq).trimmed().toString(), line.mid(eq + 1).trimmed().toString()});
    }
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    for (const Entry& entry : m_entries) {
        if (entry.section.compare(section, Qt::CaseInsensitive) == 0 &&
            entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return defaultValue;
}

} // namespace sys
