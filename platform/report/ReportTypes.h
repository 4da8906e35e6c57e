#pragma once

#include <QColor>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Every length of a report is in millimetres; fonts are in points.
namespace report {

struct FontSpec
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10.0;
    bool bold = false;
    bool underline = false;
    bool italic = false;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

inline FontSpec regularFont(double points)
{
    return FontSpec{QStringLiteral("Arial"), points};
}
inline FontSpec boldFont(double points)
{
    return FontSpec{QStringLiteral("Arial"), points, true};
}

// A thin line by default: about one pixel on a 96 dpi screen.
struct Frame
{
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    QColor colour = QColor(Qt::black);
    double widthMm = 0.26;

    bool any() const { return left || top || right || bottom; }
    static Frame all(const QColor& colour = QColor(Qt::black))
    {
        return Frame{true, true, true, true, colour};
    }
};

enum class Orientation { Portrait, Landscape };

// Only A4 is used by this department's documents.
struct PageSettings
{
    Orientation orientation = Orientation::Portrait;
    QMarginsF marginsMm{10.0, 10.0, 10.0, 10.0};

    QSizeF paperSizeMm() const;
    QRectF printableRectMm() const;
};

enum class BandType { PageHeader, Title, ColumnHeader, Detail, Summary, PageFooter };

QString bandTypeName(BandType type);

} // namespace report
