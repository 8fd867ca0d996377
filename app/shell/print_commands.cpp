#include "app/shell/print_commands.h"

#include <QPrinter>

#include "document/reading_document_pdf.h"
#include "document/reading_page_layout.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

// The name the save dialog offers: the person's (or the pair's), in the
// folder readings were last saved to or opened from. A slash cannot stand
// in a file name, so it becomes a dash.
std::filesystem::path OfferedPath(const std::string& name, const ReadingPlaces& places) {
    QString offered = ToQString(name).trimmed().replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString file =
        (offered.isEmpty() ? QStringLiteral("reading") : offered) + QStringLiteral(".pdf");
    return DialogStartFolder(places) / file.toStdString();
}

// Prints with the printer the user chooses, under the job name `name`.
template <typename Write>
void PrintWith(QWidget* parent, PlatformServices& platform, const std::string& name, Write write) {
    const std::unique_ptr<QPrinter> printer = platform.ChoosePrinter(parent);
    if (!printer) {
        return;
    }
    printer->setDocName(ToQString(name));
    if (const Result<Done> printed = write(*printer); !printed) {
        platform.ShowMessage(parent, ToQString(printed.refusal().message), MessageIcon::Error);
    }
}

// Saves to the path the user chooses, offering `name`.
template <typename Save>
void ExportWith(QWidget* parent, PlatformServices& platform, const std::string& name,
                const ReadingPlaces& places, Save save) {
    const std::filesystem::path path = platform.ChooseFileToSave(
        parent, {QStringLiteral("Export PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
                 OfferedPath(name, places), DialogStartFolder(places)});
    if (path.empty()) {
        return;
    }
    if (const Result<Done> saved = save(path); !saved) {
        platform.ShowMessage(parent, ToQString(saved.refusal().message), MessageIcon::Error);
    }
}

}  // namespace

void PrintReading(QWidget* parent, PlatformServices& platform, const DocumentReading& reading) {
    PrintWith(parent, platform, ReadingTitle(reading.calculation).toStdString(),
              [&reading](QPrinter& printer) {
                  return WriteReadingDocument(printer, {&reading, 1});
              });
}

void PrintPair(QWidget* parent, PlatformServices& platform, const DocumentPair& pair) {
    PrintWith(parent, platform, PairTitle(pair),
              [&pair](QPrinter& printer) { return WritePairDocument(printer, pair); });
}

void ExportReadingPdf(QWidget* parent, PlatformServices& platform, const DocumentReading& reading,
                      const ReadingPlaces& places) {
    ExportWith(parent, platform, reading.calculation.record.name, places,
               [&reading](const std::filesystem::path& path) {
                   return SaveReadingPdf(path, {&reading, 1});
               });
}

void ExportPairPdf(QWidget* parent, PlatformServices& platform, const DocumentPair& pair,
                   const ReadingPlaces& places) {
    ExportWith(parent, platform, PairTitle(pair), places,
               [&pair](const std::filesystem::path& path) { return SavePairPdf(path, pair); });
}

}  // namespace sarovin
