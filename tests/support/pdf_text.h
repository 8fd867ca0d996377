#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace sarovin::testing {

// True when poppler's pdftotext is installed to read PDF files back.
inline bool CanReadPdfText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of a PDF file as pdftotext lays it out, each run of white space
// made one space; empty when the file cannot be read.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// The value pdfinfo gives a PDF file for `field`, as "Pages"; empty when
// it gives none.
inline QString PdfInfo(const QString& path, const QString& field) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished() || process.exitCode() != 0) {
        return {};
    }
    const QString lead = field + QLatin1Char(':');
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(lead)) {
            return line.mid(lead.size()).trimmed();
        }
    }
    return {};
}

// The number of pages pdfinfo counts in a PDF file, or -1.
inline int PdfPageCount(const QString& path) {
    bool number = false;
    const int pages = PdfInfo(path, QStringLiteral("Pages")).toInt(&number);
    return number ? pages : -1;
}

// The size of the first page as pdfinfo names it, as "595 x 842 pts (A4)".
inline QString PdfPageSize(const QString& path) {
    return PdfInfo(path, QStringLiteral("Page size"));
}

}  // namespace sarovin::testing
