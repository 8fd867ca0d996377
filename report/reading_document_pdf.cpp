#include "report/reading_document_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <csignal>

#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double MARGIN_MM = 12;
constexpr int DOTS_PER_INCH = 600;

}  // namespace

ReadingPdfFile::ReadingPdfFile(const QString& path) : file_(path) {
    // Past the file-size limit the system would end the program with
    // SIGXFSZ; ignored, the write fails instead and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
}

bool ReadingPdfFile::Open(const DocumentReading& first) {
    if (!file_.open(QIODevice::WriteOnly)) {
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setResolution(DOTS_PER_INCH);
    writer_->setCreator(QStringLiteral("Sarovin"));
    writer_->setTitle(ToQString(first.calculation.record.name));
    writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                                       QPageLayout::Millimeter));
    return pages_.Begin(*writer_);
}

bool ReadingPdfFile::Add(const DocumentReading& reading) {
    failed_ = failed_ || (!writer_ && !Open(reading)) || !pages_.Add(reading);
    return !failed_;
}

// The painter writes the file's last bytes when it ends, so it ends before
// the file is flushed and put in place.
bool ReadingPdfFile::Commit() {
    if (failed_ || !writer_ || !pages_.End() || !file_.flush()) {
        file_.cancelWriting();
        return false;
    }
    return file_.commit();
}

bool SaveReadingPdf(const QString& path, std::span<const DocumentReading> readings) {
    ReadingPdfFile file(path);
    for (const DocumentReading& reading : readings) {
        if (!file.Add(reading)) {
            return false;
        }
    }
    return file.Commit();
}

}  // namespace sarovin
