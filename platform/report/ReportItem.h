#pragma once

#include "platform/report/ReportTypes.h"

#include <QImage>
#include <QPointF>

namespace report {

class ReportDataSource;

enum class ItemKind { Text, Picture, Shape };
enum class TextSource { Literal, Field, System };
enum class SystemData { Date, Time, DateTime, PageNumber, PageCount };
enum class ShapeKind { Rectangle, HorizontalLine, VerticalLine, Ellipse };

// How a text takes its box: AutoWidth makes the box as wide as the text; Grow keeps the given
// width unless the text is longer, then the box grows with it; Cut keeps the given width and
// drops the characters that do not fit; Wrap breaks at blanks within the box's width and drops
// the lines that fall below its height.
enum class TextFit { AutoWidth, Grow, Cut, Wrap };

// One element of a band, placed from the band's top-left corner. Plain data: the band builds it,
// the layout step reads it.
struct ReportItem
{
    QString name;
    ItemKind kind = ItemKind::Text;
    QPointF posMm;
    QSizeF sizeMm; // a zero height means one line of the font

    // Text. For fields and system data, text is put before the value.
    TextSource source = TextSource::Literal;
    QString text;
    const ReportDataSource* data = nullptr;
    QString field;
    SystemData system = SystemData::Date;
    TextFit fit = TextFit::AutoWidth;
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor colour = QColor(Qt::black);
    QColor background; // invalid: transparent

    // Picture: stretched to sizeMm, or at the size its resolution gives.
    QImage image;
    bool stretch = false;

    // Shape.
    ShapeKind shape = ShapeKind::Rectangle;
    double penWidthMm = 0.26;
    QColor fill;

    ReportItem& named(const QString& value)
    {
        name = value;
        return *this;
    }
    ReportItem& cutTo(double widthMm)
    {
        fit = TextFit::Cut;
        sizeMm.setWidth(widthMm);
        return *this;
    }
    ReportItem& atLeast(double widthMm)
    {
        fit = TextFit::Grow;
        sizeMm.setWidth(widthMm);
        return *this;
    }
    ReportItem& wrapIn(double widthMm, double heightMm)
    {
        fit = TextFit::Wrap;
        sizeMm = QSizeF(widthMm, heightMm);
        return *this;
    }
    ReportItem& aligned(Qt::Alignment value)
    {
        alignment = value;
        return *this;
    }
    ReportItem& onWhite()
    {
        background = QColor(Qt::white);
        return *this;
    }
    ReportItem& onGround(const QColor& value)
    {
        background = value;
        return *this;
    }
    ReportItem& inColour(const QColor& value)
    {
        colour = value;
        return *this;
    }
    ReportItem& withPrefix(const QString& value)
    {
        text = value;
        return *this;
    }
};

} // namespace report
