#pragma once

#include "platform/report/ReportLayout.h"

#include <QDateTime>

namespace report {

class Report;

// Places the bands of a report on pages and resolves every text.
ReportLayout layoutReport(const Report& report, const QDateTime& now);

} // namespace report
