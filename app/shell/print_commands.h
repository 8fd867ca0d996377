#pragma once

#include "app/shell/reading_commands.h"
#include "document/reading_document.h"

class QWidget;

namespace sarovin {

class PlatformServices;

// Asks the platform's print dialog for a printer and prints the reading's
// page on it; says so when the page could not be printed.
void PrintReading(QWidget* parent, PlatformServices& platform, const DocumentReading& reading);

// Prints the page of two readings compared, as PrintReading does.
void PrintPair(QWidget* parent, PlatformServices& platform, const DocumentPair& pair);

// Asks for a path, starting where readings were last saved or opened, and
// writes the reading's page there as an A4 PDF file. A failed export says
// so and leaves any older file at the path intact.
void ExportReadingPdf(QWidget* parent, PlatformServices& platform, const DocumentReading& reading,
                      const ReadingPlaces& places);

// Exports the page of two readings compared, as ExportReadingPdf does.
void ExportPairPdf(QWidget* parent, PlatformServices& platform, const DocumentPair& pair,
                   const ReadingPlaces& places);

}  // namespace sarovin
