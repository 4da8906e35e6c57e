#pragma once

#include "platform/report/ReportBand.h"
#include "platform/report/ReportLayout.h"

#include <QDateTime>

#include <deque>

class QPrinter;
class QWidget;

namespace report {

// A banded report: page settings and at most one band of each type. Bands print in this order:
// page header (every page), title (first page), column header (first page, or every page if
// asked), detail (per row), summary (after the last row) and page footer (bottom of every page).
class Report final
{
public:
    explicit Report(const QString& name = QString());

    const QString& name() const { return m_name; }
    PageSettings& page() { return m_page; }
    const PageSettings& page() const { return m_page; }

    // Replaces a band of the same type, if any.
    Band& addBand(BandType type, double heightMm);
    Band* band(BandType type);
    const Band* band(BandType type) const;

    // Values are read from the sources now; dates and times are those of now.
    ReportLayout layout() const;
    ReportLayout layout(const QDateTime& now) const;

    bool exportPdf(const QString& path, QString* error = nullptr) const;
    void print(QPrinter& printer) const;
    // Shows the modal preview; returns when it is closed.
    void preview(QWidget* parent) const;

private:
    QString m_name;
    PageSettings m_page;
    std::deque<Band> m_bands;
};

} // namespace report
