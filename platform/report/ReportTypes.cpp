#include "platform/report/ReportTypes.h"

namespace report {

QSizeF PageSettings::paperSizeMm() const
{
    return orientation == Orientation::Portrait ? QSizeF(210.0, 297.0) : QSizeF(297.0, 210.0);
}

QRectF PageSettings::printableRectMm() const
{
    return QRectF(QPointF(0, 0), paperSizeMm()).marginsRemoved(marginsMm);
}

QString bandTypeName(BandType type)
{
    switch (type) {
    case BandType::PageHeader:
        return QStringLiteral("PageHeader");
    case BandType::Title:
        return QStringLiteral("Title");
    case BandType::ColumnHeader:
        return QStringLiteral("ColumnHeader");
    case BandType::Detail:
        return QStringLiteral("Detail");
    case BandType::Summary:
        return QStringLiteral("Summary");
    case BandType::PageFooter:
        return QStringLiteral("PageFooter");
    }
    return {};
}

} // namespace report
