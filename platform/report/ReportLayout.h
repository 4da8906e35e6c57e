#pragma once

#include "platform/report/ReportBand.h"

#include <vector>

// The layout model: what the renderer paints and what tests read. All rectangles are in
// millimetres from the paper's top-left corner. It points into its report: keep the report alive.
namespace report {

struct PlacedLine
{
    QString text;
    QPointF originMm; // left end of the baseline
    double widthMm = 0;
};

struct PlacedItem
{
    const ReportItem* item = nullptr;
    QRectF rectMm;
    std::vector<PlacedLine> lines; // texts only

    QString text() const; // lines joined by a blank
};

struct PlacedBand
{
    const Band* band = nullptr;
    QRectF rectMm;
    int row = -1; // detail bands: the source row they print
};

struct LayoutPage
{
    int number = 0; // from 1
    std::vector<PlacedBand> bands;
    std::vector<PlacedItem> items;

    std::vector<const PlacedBand*> bandsOfType(BandType type) const;
    const PlacedItem* findText(const QString& text) const;  // first item whose text is exactly this
    const PlacedItem* findNamed(const QString& name) const; // first item with this name
};

struct ReportLayout
{
    QSizeF paperSizeMm;
    std::vector<LayoutPage> pages;
};

} // namespace report
