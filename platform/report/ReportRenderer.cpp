#include "platform/report/ReportRenderer.h"

#include "platform/report/TextMetrics.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <vector>

namespace report {

namespace {

class PagePainter final
{
public:
    PagePainter(QPainter& painter, double dotsPerMm, const QPointF& origin)
        : m_painter(painter), m_dpm(dotsPerMm), m_origin(origin)
    {
        // Point sizes are scaled so that the device's own dpi gives the wanted millimetres.
        const int dpi = painter.device() ? painter.device()->logicalDpiY() : 72;
        m_pointScale = m_dpm * 25.4 / dpi;
    }

    void bandGround(const PlacedBand& placed);
    void bandFrame(const PlacedBand& placed);
    void ground(const PlacedItem& placed);
    void item(const PlacedItem& placed);

private:
    QPointF px(const QPointF& mm) const { return m_origin + mm * m_dpm; }
    QRectF px(const QRectF& mm) const { return QRectF(px(mm.topLeft()), mm.size() * m_dpm); }
    const QFont& font(const FontSpec& fontSpec);
    void text(const PlacedItem& placed);
    void shape(const PlacedItem& placed);

    QPainter& m_painter;
    double m_dpm;
    QPointF m_origin;
    double m_pointScale = 1.0;
    std::vector<std::pair<FontSpec, QFont>> m_fonts;
};

const QFont& PagePainter::font(const FontSpec& fontSpec)
{
    for (const auto& [key, value] : m_fonts)
        if (key == fontSpec)
            return value;
    m_fonts.emplace_back(fontSpec, makeFont(fontSpec, fontSpec.pointSize * m_pointScale));
    return m_fonts.back().second;
}

void PagePainter::bandGround(const PlacedBand& placed)
{
    if (placed.band->background().isValid())
        m_painter.fillRect(px(placed.rectMm), placed.band->background());
}

void PagePainter::bandFrame(const PlacedBand& placed)
{
    const QRectF r = px(placed.rectMm);
    const Frame& frame = placed.band->frame();
    if (!frame.any())
        return;
    QPen pen(frame.colour, std::max(1.0, frame.widthMm * m_dpm));
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    if (frame.top)
        m_painter.drawLine(r.topLeft(), r.topRight());
    if (frame.bottom)
        m_painter.drawLine(r.bottomLeft(), r.bottomRight());
    if (frame.left)
        m_painter.drawLine(r.topLeft(), r.bottomLeft());
    if (frame.right)
        m_painter.drawLine(r.topRight(), r.bottomRight());
}

void PagePainter::text(const PlacedItem& placed)
{
    const ReportItem& item = *placed.item;
    m_painter.setFont(font(item.font));
    m_painter.setPen(item.colour);
    for (const PlacedLine& line : placed.lines)
        if (!line.text.isEmpty())
            m_painter.drawText(px(line.originMm), line.text);
}

void PagePainter::ground(const PlacedItem& placed)
{
    if (placed.item->kind == ItemKind::Text && placed.item->background.isValid())
        m_painter.fillRect(px(placed.rectMm), placed.item->background);
}

void PagePainter::shape(const PlacedItem& placed)
{
    const ReportItem& item = *placed.item;
    const QRectF r = px(placed.rectMm);
    QPen pen(item.colour, std::max(1.0, item.penWidthMm * m_dpm));
    m_painter.setPen(pen);
    m_painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
    switch (item.shape) {
    case ShapeKind::Rectangle:
        m_painter.drawRect(r);
        break;
    case ShapeKind::Ellipse:
        m_painter.drawEllipse(r);
        break;
    case ShapeKind::HorizontalLine:
        m_painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        break;
    case ShapeKind::VerticalLine:
        m_painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        break;
    }
    m_painter.setBrush(Qt::NoBrush);
}

void PagePainter::item(const PlacedItem& placed)
{
    switch (placed.item->kind) {
    case ItemKind::Text:
        text(placed);
        break;
    case ItemKind::Picture:
        if (!placed.item->image.isNull())
            m_painter.drawImage(px(placed.rectMm), placed.item->image);
        break;
    case ItemKind::Shape:
        shape(placed);
        break;
    }
}

} // namespace

void ReportRenderer::paintPage(QPainter& painter, const LayoutPage& page, double dotsPerMm,
                               const QPointF& originPx)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    PagePainter pagePainter(painter, dotsPerMm, originPx);
    // From the back: band grounds, pictures and shapes, band frames (a picture at a band's edge
    // leaves the frame whole), the white boxes of texts (they cover the lines they cross, but
    // never the end of a neighbouring text that runs into them), and the texts.
    const auto isText = [](const PlacedItem& item) { return item.item->kind == ItemKind::Text; };
    for (const PlacedBand& band : page.bands)
        pagePainter.bandGround(band);
    for (const PlacedItem& item : page.items)
        if (!isText(item))
            pagePainter.item(item);
    for (const PlacedBand& band : page.bands)
        pagePainter.bandFrame(band);
    for (const PlacedItem& item : page.items)
        pagePainter.ground(item);
    for (const PlacedItem& item : page.items)
        if (isText(item))
            pagePainter.item(item);
    painter.restore();
}

bool ReportRenderer::paintPages(QPainter& painter, QPagedPaintDevice& device, const ReportLayout& layout,
                                int fromPage, int toPage)
{
    const int count = int(layout.pages.size());
    const int first = fromPage > 0 ? std::min(fromPage, count) : 1;
    const int last = toPage > 0 ? std::min(toPage, count) : count;
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (int number = first; number <= last; ++number) {
        if (number > first && !device.newPage())
            return false;
        paintPage(painter, layout.pages[size_t(number - 1)], dotsPerMm);
    }
    return true;
}

} // namespace report
