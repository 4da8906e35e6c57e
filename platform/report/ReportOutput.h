#pragma once

#include "platform/report/ReportLayout.h"

class QPrinter;

namespace report {

// Writing a laid-out report to a PDF file or a printer; the page keeps the report's orientation.
bool writePdf(const ReportLayout& layout, const PageSettings& page, const QString& path, const QString& title,
              QString* error = nullptr);
bool printLayout(const ReportLayout& layout, const PageSettings& page, QPrinter& printer,
                 const QString& title);

} // namespace report
