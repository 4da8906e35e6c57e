#include "PdfWords.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace {
constexpr double MmPerPoint = 25.4 / 72.0;
}

std::vector<PdfWord> readPdfWords(const QString& pdfPath)
{
    // Set QN_REPORT_OUT to a folder to keep every document a test reads, for looking at it.
    const QString keep = qEnvironmentVariable("QN_REPORT_OUT");
    if (!keep.isEmpty()) {
        const QString copy = keep + QLatin1Char('/') + QFileInfo(pdfPath).fileName();
        QFile::remove(copy);
        QFile::copy(pdfPath, copy);
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        const QPointF topLeft(m.captured(1).toDouble() * MmPerPoint, m.captured(2).toDouble() * MmPerPoint);
        const QPointF bottomRight(m.captured(3).toDouble() * MmPerPoint,
                                  m.captured(4).toDouble() * MmPerPoint);
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back(PdfWord{page, text, QRectF(topLeft, bottomRight)});
    }
    return words;
}

namespace {

std::vector<QRectF> phrases(const std::vector<PdfWord>& words, const QString& phrase, int page)
{
    std::vector<QRectF> found;
    const QStringList parts = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return found;
    for (size_t i = 0; i + size_t(parts.size()) <= words.size(); ++i) {
        if (words[i].page != page)
            continue;
        QRectF box = words[i].rectMm;
        bool match = true;
        for (qsizetype k = 0; k < parts.size() && match; ++k) {
            const PdfWord& w = words[i + size_t(k)];
            match = w.text == parts[k] && w.page == page && std::abs(w.rectMm.top() - box.top()) < 0.5;
            if (match)
                box |= w.rectMm;
        }
        if (match)
            found.push_back(box);
    }
    return found;
}

} // namespace

QRectF findPhrase(const std::vector<PdfWord>& words, const QString& phrase, int page, int occurrence)
{
    const auto found = phrases(words, phrase, page);
    return occurrence < int(found.size()) ? found[size_t(occurrence)] : QRectF();
}

int countPhrase(const std::vector<PdfWord>& words, const QString& phrase, int page)
{
    return int(phrases(words, phrase, page).size());
}

QString renderPdfToPng(const QString& pdfPath, int dpi)
{
    const QFileInfo info(pdfPath);
    const QString prefix = info.path() + QLatin1Char('/') + info.completeBaseName();
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), pdfPath, prefix});
    return prefix + QStringLiteral("-1.png");
}
