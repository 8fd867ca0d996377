#include "document/reading_document_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <string_view>

#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double MARGIN_MM = 12;
constexpr int DOTS_PER_INCH = 600;
constexpr std::string_view NOT_SAVED = "The PDF could not be saved.";

}  // namespace

ReadingPdfFile::ReadingPdfFile(std::filesystem::path path) : file_(std::move(path)) {}

bool ReadingPdfFile::Open(const QString& title) {
    if (!file_.Open()) {
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setResolution(DOTS_PER_INCH);
    writer_->setCreator(QStringLiteral("Sarovin"));
    writer_->setTitle(title);
    writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                                       QPageLayout::Millimeter));
    return pages_.Begin(*writer_);
}

bool ReadingPdfFile::Add(const DocumentReading& reading) {
    failed_ =
        failed_ || (!writer_ && !Open(ReadingTitle(reading.calculation))) || !pages_.Add(reading);
    return !failed_;
}

bool ReadingPdfFile::AddPair(const DocumentPair& pair) {
    failed_ = failed_ || (!writer_ && !Open(ToQString(PairTitle(pair)))) || !pages_.AddPair(pair);
    return !failed_;
}

// The painter writes the file's last bytes when it ends, so it ends before
// the file is flushed and put in place.
Result<Done> ReadingPdfFile::Commit() {
    if (failed_ || !writer_ || !pages_.End() || !file_.Commit()) {
        return RefuseWith(SaveFailureMessage(NOT_SAVED, file_));
    }
    return Done{};
}

Result<Done> SavePairPdf(const std::filesystem::path& path, const DocumentPair& pair) {
    ReadingPdfFile file(path);
    file.AddPair(pair);
    return file.Commit();
}

Result<Done> SaveReadingPdf(const std::filesystem::path& path,
                            std::span<const DocumentReading> readings) {
    ReadingPdfFile file(path);
    for (const DocumentReading& reading : readings) {
        if (!file.Add(reading)) {
            break;
        }
    }
    return file.Commit();
}

}  // namespace sarovin
