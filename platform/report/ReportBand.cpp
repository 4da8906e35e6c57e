#include "platform/report/ReportBand.h"

namespace report {

Band::Band(BandType type, double heightMm) : m_type(type), m_heightMm(heightMm) {}

ReportItem& Band::add(ReportItem item)
{
    m_items.push_back(std::move(item));
    return m_items.back();
}

ReportItem& Band::addLabel(QPointF posMm, const QString& text, const FontSpec& font)
{
    ReportItem item;
    item.posMm = posMm;
    item.text = text;
    item.font = font;
    return add(std::move(item));
}

ReportItem& Band::addField(QPointF posMm, const ReportDataSource* source, const QString& field,
                           const FontSpec& font)
{
    ReportItem item;
    item.name = field;
    item.posMm = posMm;
    item.source = TextSource::Field;
    item.data = source;
    item.field = field;
    item.font = font;
    return add(std::move(item));
}

ReportItem& Band::addSystemData(QPointF posMm, SystemData what, const FontSpec& font)
{
    ReportItem item;
    item.posMm = posMm;
    item.source = TextSource::System;
    item.system = what;
    item.font = font;
    return add(std::move(item));
}

ReportItem& Band::addPicture(QPointF posMm, const QImage& image)
{
    ReportItem item;
    item.kind = ItemKind::Picture;
    item.posMm = posMm;
    item.image = image;
    return add(std::move(item));
}

ReportItem& Band::addStretchedPicture(QPointF posMm, QSizeF sizeMm, const QImage& image)
{
    ReportItem& item = addPicture(posMm, image);
    item.sizeMm = sizeMm;
    item.stretch = true;
    return item;
}

ReportItem& Band::addShape(ShapeKind shape, const QRectF& rectMm, double penWidthMm)
{
    ReportItem item;
    item.kind = ItemKind::Shape;
    item.shape = shape;
    item.posMm = rectMm.topLeft();
    item.sizeMm = rectMm.size();
    item.penWidthMm = penWidthMm;
    return add(std::move(item));
}

} // namespace report
