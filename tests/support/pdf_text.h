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

// The number of pages pdfinfo counts in a PDF file, or -1.
inline int PdfPageCount(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished() || process.exitCode() != 0) {
        return -1;
    }
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

}  // namespace sarovin::testing
