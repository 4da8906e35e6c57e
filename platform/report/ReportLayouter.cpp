#include "platform/report/ReportLayouter.h"

#include "platform/report/Report.h"
#include "platform/report/ReportDataSource.h"
#include "platform/report/TextMetrics.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double ScreenDpi = 96.0;

QSizeF naturalSizeMm(const QImage& image)
{
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : ScreenDpi / MmPerInch * 1000.0;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : ScreenDpi / MmPerInch * 1000.0;
    return QSizeF(image.width() * 1000.0 / dpmX, image.height() * 1000.0 / dpmY);
}

class Layouter final
{
public:
    Layouter(const Report& report, const QDateTime& now) : m_report(report), m_now(now) {}

    ReportLayout run();

private:
    void startPage();
    void finishPage();
    void place(const Band& band, int row);
    void placeItem(const ReportItem& item, const QPointF& bandOrigin, int row);
    QString resolve(const ReportItem& item, int row) const;

    const Report& m_report;
    QDateTime m_now;
    TextMetrics m_metrics;
    ReportLayout m_layout;
    QRectF m_area;
    double m_y = 0;
    double m_footerTop = 0;
    const Band* m_detail = nullptr;
    int m_detailsOnPage = 0;
    std::vector<std::pair<size_t, size_t>> m_pageCountRefs; // page, item
};

ReportLayout Layouter::run()
{
    m_layout.paperSizeMm = m_report.page().paperSizeMm();
    m_area = m_report.page().printableRectMm();
    const Band* footer = m_report.band(BandType::PageFooter);
    m_footerTop = m_area.bottom() - (footer ? footer->heightMm() : 0.0);
    m_detail = m_report.band(BandType::Detail);

    startPage();
    if (const Band* title = m_report.band(BandType::Title))
        place(*title, -1);
    if (const Band* columns = m_report.band(BandType::ColumnHeader))
        place(*columns, -1);
    if (m_detail) {
        const ReportDataSource* source = m_detail->detailSource();
        if (!source) {
            place(*m_detail, -1);
        } else {
            const int rows = source->rowCount();
            for (int row = 0; row < rows; ++row) {
                if (m_detailsOnPage > 0 && m_y + m_detail->heightMm() > m_footerTop + 1e-9) {
                    finishPage();
                    startPage();
                    const Band* columns = m_report.band(BandType::ColumnHeader);
                    if (columns && columns->repeatsOnEveryPage())
                        place(*columns, -1);
                }
                place(*m_detail, row);
            }
        }
    }
    if (const Band* summary = m_report.band(BandType::Summary)) {
        if (m_y + summary->heightMm() > m_footerTop + 1e-9) {
            finishPage();
            startPage();
        }
        place(*summary, -1);
    }
    finishPage();

    const QString count = QString::number(m_layout.pages.size());
    for (const auto& [page, index] : m_pageCountRefs) {
        PlacedItem& placed = m_layout.pages[page].items[index];
        for (PlacedLine& line : placed.lines)
            line.text.replace(QStringLiteral("\x01"), count);
    }
    return std::move(m_layout);
}

void Layouter::startPage()
{
    LayoutPage page;
    page.number = int(m_layout.pages.size()) + 1;
    m_layout.pages.push_back(std::move(page));
    m_y = m_area.top();
    m_detailsOnPage = 0;
    if (const Band* header = m_report.band(BandType::PageHeader))
        place(*header, -1);
}

void Layouter::finishPage()
{
    const Band* footer = m_report.band(BandType::PageFooter);
    if (!footer)
        return;
    m_y = m_footerTop;
    place(*footer, -1);
}

void Layouter::place(const Band& band, int row)
{
    LayoutPage& page = m_layout.pages.back();
    const QRectF rect(m_area.left(), m_y, m_area.width(), band.heightMm());
    page.bands.push_back(PlacedBand{&band, rect, row});
    if (band.type() == BandType::Detail)
        ++m_detailsOnPage;
    for (const ReportItem& item : band.items())
        placeItem(item, rect.topLeft(), band.detailSource() && band.type() == BandType::Detail ? row : -1);
    m_y += band.heightMm();
}

QString Layouter::resolve(const ReportItem& item, int row) const
{
    switch (item.source) {
    case TextSource::Literal:
        return item.text;
    case TextSource::Field: {
        if (!item.data)
            return item.text;
        const bool iterated = row >= 0 && m_detail && item.data == m_detail->detailSource();
        const int r = iterated ? row : item.data->currentRow();
        return r >= 0 ? item.text + item.data->text(r, item.field) : item.text;
    }
    case TextSource::System:
        switch (item.system) {
        case SystemData::Date:
            return item.text + m_now.date().toString(QStringLiteral("dd/MM/yyyy"));
        case SystemData::Time:
            return item.text + m_now.time().toString(QStringLiteral("hh:mm"));
        case SystemData::DateTime:
            return item.text + m_now.toString(QStringLiteral("dd/MM/yyyy hh:mm"));
        case SystemData::PageNumber:
            return item.text + QString::number(m_layout.pages.back().number);
        case SystemData::PageCount:
            return item.text + QStringLiteral("\x01"); // known only at the end
        }
    }
    return {};
}

void Layouter::placeItem(const ReportItem& item, const QPointF& bandOrigin, int row)
{
    PlacedItem placed;
    placed.item = &item;
    const QPointF topLeft = bandOrigin + item.posMm;

    if (item.kind == ItemKind::Picture) {
        placed.rectMm = QRectF(topLeft, item.stretch ? item.sizeMm : naturalSizeMm(item.image));
    } else if (item.kind == ItemKind::Shape) {
        placed.rectMm = QRectF(topLeft, item.sizeMm);
    } else {
        const QString text = resolve(item, row);
        const double lineHeight = m_metrics.lineHeightMm(item.font);
        const double ascent = m_metrics.ascentMm(item.font);
        QStringList lines;
        double boxWidth = item.sizeMm.width();
        double boxHeight = item.sizeMm.height() > 0 ? item.sizeMm.height() : lineHeight;
        switch (item.fit) {
        case TextFit::AutoWidth:
            lines << text;
            boxWidth = m_metrics.widthMm(item.font, text);
            break;
        case TextFit::Grow:
            lines << text;
            boxWidth = std::max(boxWidth, m_metrics.widthMm(item.font, text));
            break;
        case TextFit::Cut:
            lines << m_metrics.cut(item.font, text, boxWidth);
            break;
        case TextFit::Wrap: {
            lines = m_metrics.wrap(item.font, text, boxWidth);
            const auto fitting = qsizetype(std::max(1.0, std::floor(boxHeight / lineHeight + 1e-6)));
            if (lines.size() > fitting)
                lines = lines.mid(0, fitting);
            break;
        }
        }
        placed.rectMm = QRectF(topLeft, QSizeF(boxWidth, boxHeight));
        placed.lines.reserve(size_t(lines.size()));
        double baseline = topLeft.y() + ascent;
        for (const QString& line : std::as_const(lines)) {
            const double width = m_metrics.widthMm(item.font, line);
            double x = topLeft.x();
            if (item.alignment & Qt::AlignHCenter)
                x += (boxWidth - width) / 2.0;
            else if (item.alignment & Qt::AlignRight)
                x += boxWidth - width;
            placed.lines.push_back(PlacedLine{line, QPointF(x, baseline), width});
            baseline += lineHeight;
        }
        if (item.source == TextSource::System && item.system == SystemData::PageCount)
            m_pageCountRefs.emplace_back(m_layout.pages.size() - 1, m_layout.pages.back().items.size());
    }
    m_layout.pages.back().items.push_back(std::move(placed));
}

} // namespace

ReportLayout layoutReport(const Report& report, const QDateTime& now)
{
    return Layouter(report, now).run();
}

} // namespace report
