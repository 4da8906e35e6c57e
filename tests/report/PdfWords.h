#pragma once

#include <QRectF>
#include <QString>

#include <vector>

// The words of a PDF as pdftotext -bbox finds them, in millimetres from the page's corner.
struct PdfWord
{
    int page = 0; // from 1
    QString text;
    QRectF rectMm;
};

std::vector<PdfWord> readPdfWords(const QString& pdfPath);

// Words that follow each other on one line, joined by blanks, starting at the word found first.
// Returns the phrase's box, or a null rect.
QRectF findPhrase(const std::vector<PdfWord>& words, const QString& phrase, int page = 1, int occurrence = 0);
int countPhrase(const std::vector<PdfWord>& words, const QString& phrase, int page = 1);

// Renders the PDF's pages to PNG next to it (for looking at them); returns the first file.
QString renderPdfToPng(const QString& pdfPath, int dpi = 60);
