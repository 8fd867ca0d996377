#include "report/reading_document_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <csignal>

#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double MARGIN_MM = 12;
constexpr int DOTS_PER_INCH = 600;

// The writer has to be finished, and its last bytes handed to the file,
// before the file may replace the target.
bool WritePages(QSaveFile& file, std::span<const DocumentReading> readings) {
    QPdfWriter writer(&file);
    writer.setResolution(DOTS_PER_INCH);
    writer.setCreator(QStringLiteral("Sarovin"));
    if (!readings.empty()) {
        writer.setTitle(ToQString(readings.front().calculation.record.name));
    }
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                                     QPageLayout::Millimeter));
    return WriteReadingDocument(writer, readings);
}

}  // namespace

bool SaveReadingPdf(const QString& path, std::span<const DocumentReading> readings) {
    // Past the file-size limit the system would end the program with
    // SIGXFSZ; ignored, the write fails instead and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (!WritePages(file, readings) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace sarovin
