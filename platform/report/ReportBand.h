#pragma once

#include "platform/report/ReportItem.h"

#include <deque>

namespace report {

// A horizontal strip of the page as wide as the printable area. A detail band repeats per row of
// its source; without a source it prints once, like the other bands.
class Band final
{
public:
    Band(BandType type, double heightMm);

    BandType type() const { return m_type; }
    double heightMm() const { return m_heightMm; }
    void setHeightMm(double value) { m_heightMm = value; }

    const Frame& frame() const { return m_frame; }
    void setFrame(const Frame& value) { m_frame = value; }
    const QColor& background() const { return m_background; }
    void setBackground(const QColor& value) { m_background = value; }

    const ReportDataSource* detailSource() const { return m_detailSource; }
    void setDetailSource(const ReportDataSource* value) { m_detailSource = value; }

    // Column headers print on the first page only unless asked to repeat.
    bool repeatsOnEveryPage() const { return m_repeatsOnEveryPage; }
    void setRepeatsOnEveryPage(bool value) { m_repeatsOnEveryPage = value; }

    ReportItem& addLabel(QPointF posMm, const QString& text, const FontSpec& font);
    ReportItem& addField(QPointF posMm, const ReportDataSource* source, const QString& field,
                         const FontSpec& font);
    ReportItem& addSystemData(QPointF posMm, SystemData what, const FontSpec& font);
    ReportItem& addPicture(QPointF posMm, const QImage& image);
    ReportItem& addStretchedPicture(QPointF posMm, QSizeF sizeMm, const QImage& image);
    ReportItem& addShape(ShapeKind shape, const QRectF& rectMm, double penWidthMm = 0.26);

    // A deque so that references handed out stay valid as items are added.
    const std::deque<ReportItem>& items() const { return m_items; }

private:
    ReportItem& add(ReportItem item);

    BandType m_type;
    double m_heightMm;
    Frame m_frame;
    QColor m_background;
    const ReportDataSource* m_detailSource = nullptr;
    bool m_repeatsOnEveryPage = false;
    std::deque<ReportItem> m_items;
};

} // namespace report
