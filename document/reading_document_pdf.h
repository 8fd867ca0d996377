#pragma once

#include <QPdfWriter>
#include <filesystem>
#include <memory>
#include <span>

#include "common/result.h"
#include "document/reading_document.h"
#include "platform/replacing_file.h"

namespace sarovin {

// A PDF file of A4 reading pages, written a page at a time beside its
// target. It takes the target's place only when Commit succeeds, so a
// failure, or a file dropped uncommitted, leaves any older file as it was.
class ReadingPdfFile {
  public:
    explicit ReadingPdfFile(std::filesystem::path path);

    // Paints the next reading's page; false once anything has failed.
    bool Add(const DocumentReading& reading);
    // Paints the page of two readings compared; false once anything has
    // failed.
    bool AddPair(const DocumentPair& pair);
    // Finishes the file and puts it in place; refused, saying why when the
    // file knows, when it could not be written or holds no page.
    Result<Done> Commit();

  private:
    // Opens the file on the first page, with the title the PDF is given:
    // the first reading's title, or the pair's.
    bool Open(const QString& title);

    ReplacingFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    // Ended before the writer goes, should Commit never be called.
    ReadingPages pages_;
    bool failed_ = false;
};

// Writes the page of two readings compared to the PDF file at `path`.
Result<Done> SavePairPdf(const std::filesystem::path& path, const DocumentPair& pair);

// Writes the readings' pages to the PDF file at `path` at once.
Result<Done> SaveReadingPdf(const std::filesystem::path& path,
                            std::span<const DocumentReading> readings);

}  // namespace sarovin
