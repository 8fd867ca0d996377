#include "app/print_commands.h"

#include <QDir>
#include <QPrinter>

#include "platform/platform_services.h"
#include "platform/qt_text.h"
#include "report/reading_document_pdf.h"

namespace sarovin {

namespace {

// The name the save dialog offers: the person's, in the folder readings
// were last saved to or opened from.
QString OfferedPath(const BirthRecord& record, const ReadingPlaces& places) {
    const QString name = ToQString(record.name).trimmed();
    const QString file =
        (name.isEmpty() ? QStringLiteral("reading") : name) + QStringLiteral(".pdf");
    return QDir(DialogStartFolder(places)).filePath(file);
}

}  // namespace

void PrintReading(QWidget* parent, PlatformServices& platform, const DocumentReading& reading) {
    const std::unique_ptr<QPrinter> printer = platform.ChoosePrinter(parent);
    if (!printer) {
        return;
    }
    printer->setDocName(ToQString(reading.calculation.record.name));
    if (!WriteReadingDocument(*printer, {&reading, 1})) {
        platform.ShowMessage(parent, QStringLiteral("The reading could not be printed."),
                             MessageIcon::Error);
    }
}

void ExportReadingPdf(QWidget* parent, PlatformServices& platform, const DocumentReading& reading,
                      const ReadingPlaces& places) {
    const QString path = platform.ChooseFileToSave(
        parent, {QStringLiteral("Export PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
                 OfferedPath(reading.calculation.record, places), DialogStartFolder(places)});
    if (path.isEmpty()) {
        return;
    }
    if (!SaveReadingPdf(path, {&reading, 1})) {
        platform.ShowMessage(parent, QStringLiteral("The PDF could not be saved."),
                             MessageIcon::Error);
    }
}

}  // namespace sarovin
