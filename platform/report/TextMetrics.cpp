#include "platform/report/TextMetrics.h"

#include <QRegularExpression>
#include <QStringList>

namespace report {

namespace {
constexpr int MeasuringPixelSize = 1000;
constexpr double MmPerPoint = 25.4 / 72.0;
} // namespace

QFont makeFont(const FontSpec& fontSpec, double pointSize)
{
    QFont font(fontSpec.family);
    font.setPointSizeF(pointSize);
    font.setBold(fontSpec.bold);
    font.setUnderline(fontSpec.underline);
    font.setItalic(fontSpec.italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

TextMetrics::Entry& TextMetrics::entry(const FontSpec& font)
{
    for (Entry& e : m_entries)
        if (e.fontSpec == font)
            return e;
    QFont measuring = makeFont(font, font.pointSize);
    measuring.setPixelSize(MeasuringPixelSize);
    m_entries.push_back(
        Entry{font, QFontMetricsF(measuring), font.pointSize * MmPerPoint / MeasuringPixelSize, {}});
    m_entries.back().latin.fill(-1.0);
    return m_entries.back();
}

double TextMetrics::advanceMm(Entry& e, QChar c)
{
    if (c.unicode() >= e.latin.size())
        return e.metrics.horizontalAdvance(c) * e.mmPerUnit;
    double& cached = e.latin[c.unicode()];
    if (cached < 0)
        cached = e.metrics.horizontalAdvance(c) * e.mmPerUnit;
    return cached;
}

double TextMetrics::widthMm(const FontSpec& font, const QString& text)
{
    Entry& e = entry(font);
    double width = 0;
    for (QChar c : text) {
        if (c.isSurrogate()) // rare here: let the font shape the whole text
            return e.metrics.horizontalAdvance(text) * e.mmPerUnit;
        width += advanceMm(e, c);
    }
    return width;
}

double TextMetrics::ascentMm(const FontSpec& font)
{
    Entry& e = entry(font);
    return e.metrics.ascent() * e.mmPerUnit;
}

double TextMetrics::lineHeightMm(const FontSpec& font)
{
    Entry& e = entry(font);
    return (e.metrics.ascent() + e.metrics.descent()) * e.mmPerUnit;
}

QString TextMetrics::cut(const FontSpec& font, const QString& text, double widthMm)
{
    Entry& e = entry(font);
    double width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isSurrogate())
            break;
        width += advanceMm(e, text.at(i));
        if (width > widthMm + 1e-9)
            return text.left(i);
    }
    if (this->widthMm(font, text) <= widthMm + 1e-9)
        return text;
    // Surrogates on the way: search the prefix length with whole measures.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (this->widthMm(font, text.left(mid)) <= widthMm + 1e-9)
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0 && text.at(low - 1).isHighSurrogate())
        --low;
    return text.left(low);
}

QStringList TextMetrics::wrap(const FontSpec& font, const QString& text, double widthMm)
{
    QStringList lines;
    const QStringList paragraphs = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString& paragraph : paragraphs) {
        QString line;
        const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString word : words) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (this->widthMm(font, candidate) <= widthMm) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            // A word longer than the box goes on in pieces.
            while (this->widthMm(font, word) > widthMm) {
                QString piece = cut(font, word, widthMm);
                if (piece.isEmpty())
                    piece = word.left(1);
                lines << piece;
                word = word.mid(piece.size());
            }
            line = word;
        }
        lines << line;
    }
    return lines;
}

} // namespace report
