#include "platform/report/ReportLayout.h"

#include <QStringList>

namespace report {

QString PlacedItem::text() const
{
    QStringList parts;
    parts.reserve(qsizetype(lines.size()));
    for (const PlacedLine& line : lines)
        parts << line.text;
    return parts.join(QLatin1Char(' '));
}

std::vector<const PlacedBand*> LayoutPage::bandsOfType(BandType type) const
{
    std::vector<const PlacedBand*> found;
    for (const PlacedBand& band : bands)
        if (band.band->type() == type)
            found.push_back(&band);
    return found;
}

const PlacedItem* LayoutPage::findText(const QString& text) const
{
    for (const PlacedItem& item : items)
        if (item.item->kind == ItemKind::Text && item.text() == text)
            return &item;
    return nullptr;
}

const PlacedItem* LayoutPage::findNamed(const QString& name) const
{
    for (const PlacedItem& item : items)
        if (item.item->name == name)
            return &item;
    return nullptr;
}

} // namespace report
