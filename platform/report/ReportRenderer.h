#pragma once

#include "platform/report/ReportLayout.h"

class QPainter;
class QPagedPaintDevice;

namespace report {

// Paints laid-out pages; the preview, the printer and PDF files all go through here.
class ReportRenderer final
{
public:
    // dotsPerMm: device pixels per millimetre; originPx: where the paper's corner falls.
    static void paintPage(QPainter& painter, const LayoutPage& page, double dotsPerMm,
                          const QPointF& originPx = QPointF());

    // Pages fromPage..toPage (from 1; 0 means all), one device page each.
    static bool paintPages(QPainter& painter, QPagedPaintDevice& device, const ReportLayout& layout,
                           int fromPage = 0, int toPage = 0);
};

} // namespace report
