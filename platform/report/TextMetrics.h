#pragma once

#include "platform/report/ReportTypes.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <vector>

namespace report {

// The font a fontSpec stands for at a given point size (the renderer scales it to its device).
QFont makeFont(const FontSpec& fontSpec, double pointSize);

// Text measures in millimetres, taken from an unhinted font at a large size so that they do not
// depend on any device; every device then draws at the positions the layout gives.
class TextMetrics final
{
public:
    double widthMm(const FontSpec& font, const QString& text);
    double ascentMm(const FontSpec& font);
    double lineHeightMm(const FontSpec& font); // ascent + descent

    // The longest prefix of text that fits in widthMm.
    QString cut(const FontSpec& font, const QString& text, double widthMm);
    // Lines broken at blanks; a word wider than the box is broken where it no longer fits.
    QStringList wrap(const FontSpec& font, const QString& text, double widthMm);

private:
    // Kerning is off, so a text's width is the sum of its characters' advances: kept per
    // character, measuring stays cheap for reports of many thousand rows.
    struct Entry
    {
        FontSpec fontSpec;
        QFontMetricsF metrics;
        double mmPerUnit;
        std::array<double, 0x250> latin; // advances in mm; negative until measured
    };
    Entry& entry(const FontSpec& font);
    static double advanceMm(Entry& e, QChar c);

    std::vector<Entry> m_entries;
};

} // namespace report
