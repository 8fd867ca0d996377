#include "app/print_commands.h"

#include <QPrinter>

#include "document/reading_document_pdf.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

// The name the save dialog offers: the person's, in the folder readings
// were last saved to or opened from. A slash cannot stand in a file name,
// so it becomes a dash.
std::filesystem::path OfferedPath(const BirthRecord& record, const ReadingPlaces& places) {
    QString name = ToQString(record.name).trimmed().replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString file =
        (name.isEmpty() ? QStringLiteral("reading") : name) + QStringLiteral(".pdf");
    return DialogStartFolder(places) / file.toStdString();
}

}  // namespace

void PrintReading(QWidget* parent, PlatformServices& platform, const DocumentReading& reading) {
    const std::unique_ptr<QPrinter> printer = platform.ChoosePrinter(parent);
    if (!printer) {
        return;
    }
    printer->setDocName(ToQString(reading.calculation.record.name));
    if (const Result<Done> printed = WriteReadingDocument(*printer, {&reading, 1}); !printed) {
        platform.ShowMessage(parent, ToQString(printed.refusal().message), MessageIcon::Error);
    }
}

void ExportReadingPdf(QWidget* parent, PlatformServices& platform, const DocumentReading& reading,
                      const ReadingPlaces& places) {
    const std::filesystem::path path = platform.ChooseFileToSave(
        parent, {QStringLiteral("Export PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
                 OfferedPath(reading.calculation.record, places), DialogStartFolder(places)});
    if (path.empty()) {
        return;
    }
    if (const Result<Done> saved = SaveReadingPdf(path, {&reading, 1}); !saved) {
        platform.ShowMessage(parent, ToQString(saved.refusal().message), MessageIcon::Error);
    }
}

}  // namespace sarovin
