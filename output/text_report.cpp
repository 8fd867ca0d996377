#include "output/text_report.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "calculation/sky_texts.h"
#include "output/ashtakavarga_output.h"
#include "output/birth_header.h"
#include "output/dasha_output.h"
#include "output/houses_text.h"
#include "output/positions_text.h"
#include "output/sputa_text_table.h"
#include "output/strengths_text.h"

namespace sarovin {

namespace {

constexpr std::string_view GRAHA_HEADING = "Graha Drishti";
constexpr std::string_view RASHI_HEADING = "Rashi Drishti";
constexpr std::string_view SPUTA_HEADING = "Sputa Drishti";
constexpr std::string_view VARGAS_HEADING = "Vargas";
// "D24 Chaturvimsamsa", the longest varga title, and "Vrischika", the
// longest sign name, with room between the columns.
constexpr std::size_t VARGA_TITLE_WIDTH = 20;
constexpr std::size_t SIGN_WIDTH = 11;
constexpr std::string_view CAPTION_INDENT = "    ";
constexpr std::size_t COLUMN_GAP = 2;
// Room for the heading, about 120 bytes per row and the grid.
constexpr std::size_t EXPECTED_TEXT_SIZE = 4096;

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += '\n';
}

// Under the birth line, for the Swiss Ephemeris or the classical rules:
//   Swiss Ephemeris, Lahiri ayanamsa 23°35'12", mean node, UT 1980-06-15 03:00
//   Lagna 12 Leo 34
// The built-in ephemeris has neither one Universal Time nor a Lagna; under
// its own rules it has no such line at all.
void AppendSwissLines(std::string& text, const Sky& sky) {
    if (sky.used.ephemeris != Ephemeris::Swiss && sky.used.rules == Rules::Sarovin115) {
        return;
    }
    AppendLine(text, EphemerisLine(sky));
    if (sky.lagna) {
        AppendLine(text, LagnaLine(sky));
    }
}

void AppendHeading(std::string& text, std::string_view heading) {
    text += '\n';
    AppendLine(text, heading);
}

void AppendRows(std::string& text, std::span<const DrishtiRow> rows) {
    for (const DrishtiRow& row : rows) {
        AppendLine(text, row.bodyCaption);
        for (const std::string* caption :
             {&row.positionCaption, &row.aspectCaption, &row.planetsCaption}) {
            text += CAPTION_INDENT;
            AppendLine(text, *caption);
        }
    }
}

void AppendPadded(std::string& text, std::string_view cell, std::size_t width, bool alignRight) {
    const std::size_t padding = width > cell.size() ? width - cell.size() : 0;
    if (alignRight) {
        text.append(padding, ' ');
    }
    text += cell;
    if (!alignRight) {
        text.append(padding, ' ');
    }
}

std::size_t WidestOf(std::span<const std::string> cells) {
    std::size_t widest = 0;
    for (const std::string& cell : cells) {
        widest = std::max(widest, cell.size());
    }
    return widest;
}

// Each column as wide as its caption or its widest cell.
std::vector<std::size_t> ColumnWidths(const SputaTextTable& table) {
    std::vector<std::size_t> widths;
    for (std::size_t column = 0; column < table.columns.size(); ++column) {
        std::size_t width = table.columns[column].size();
        for (const std::vector<std::string>& cells : table.cells) {
            width = std::max(width, cells[column].size());
        }
        widths.push_back(width);
    }
    return widths;
}

void AppendSputaGrid(std::string& text, const SputaTextTable& table) {
    const std::size_t rowWidth = WidestOf(table.rows);
    const std::size_t positionWidth = WidestOf(table.positions);
    const std::vector<std::size_t> widths = ColumnWidths(table);
    text.append(rowWidth + COLUMN_GAP + positionWidth, ' ');
    for (std::size_t column = 0; column < widths.size(); ++column) {
        text.append(COLUMN_GAP, ' ');
        AppendPadded(text, table.columns[column], widths[column], true);
    }
    text += '\n';
    for (int row = 0; row < BODY_COUNT; ++row) {
        AppendPadded(text, table.rows[row], rowWidth, false);
        text.append(COLUMN_GAP, ' ');
        AppendPadded(text, table.positions[row], positionWidth, false);
        for (std::size_t column = 0; column < widths.size(); ++column) {
            text.append(COLUMN_GAP, ' ');
            AppendPadded(text, table.cells[row][column], widths[column], true);
        }
        text += '\n';
    }
}

// Ends a row of padded columns without the last column's padding.
void EndRow(std::string& text) {
    text.erase(text.find_last_not_of(' ') + 1);
    text += '\n';
}

// One row a varga, the Lagna's sign (when the ephemeris gives one) and the
// bodies' signs across:
//                       Lagna      Sun        Moon       ...
//   D9  Navamsa         Kanya      Mesha      Thula      ...
void AppendVargas(std::string& text, std::span<const CalculatedVarga> vargas) {
    const bool hasLagna = vargas.front().chart.lagna.has_value();
    text.append(VARGA_TITLE_WIDTH, ' ');
    if (hasLagna) {
        AppendPadded(text, "Lagna", SIGN_WIDTH, false);
    }
    for (const BodyNames& names : SlotNames) {
        AppendPadded(text, names.englishName, SIGN_WIDTH, false);
    }
    EndRow(text);
    for (const CalculatedVarga& varga : vargas) {
        const VargaName& name = VargaNames[static_cast<std::size_t>(varga.varga)];
        AppendPadded(text, std::string(name.key) + " " + std::string(name.name), VARGA_TITLE_WIDTH,
                     false);
        if (hasLagna) {
            AppendPadded(text, SignNameAt(*varga.chart.lagna), SIGN_WIDTH, false);
        }
        for (const BodyEntry& entry : varga.chart.bodies.entries) {
            AppendPadded(text, SignNameAt(entry.longitude), SIGN_WIDTH, false);
        }
        EndRow(text);
    }
}

}  // namespace

std::string FormatTextReading(const ReportedReading& reading) {
    const DrishtiReport& report = reading.calculation.report;
    std::string text;
    text.reserve(EXPECTED_TEXT_SIZE);
    AppendLine(text, BirthHeaderLine(reading));
    AppendSwissLines(text, reading.calculation.sky);
    AppendHeading(text, GRAHA_HEADING);
    AppendRows(text, report.graha);
    AppendHeading(text, RASHI_HEADING);
    AppendRows(text, report.rashi);
    AppendHeading(text, SPUTA_HEADING);
    AppendSputaGrid(text, MakeSputaTextTable(report));
    if (report.classical) {
        AppendLine(text, DrikBalaLine(report));
    }
    text += '\n';
    text += PositionsTable(reading.calculation.positions);
    if (reading.calculation.houses) {
        text += '\n';
        text += HousesTable(*reading.calculation.houses);
    }
    if (reading.calculation.strengths) {
        text += '\n';
        text += StrengthsText(*reading.calculation.strengths);
    }
    if (!reading.calculation.vargas.empty()) {
        AppendHeading(text, VARGAS_HEADING);
        AppendVargas(text, reading.calculation.vargas);
    }
    if (reading.calculation.ashtakavarga) {
        text += '\n';
        text += AshtakavargaText(*reading.calculation.ashtakavarga);
    }
    if (reading.calculation.dasha) {
        text += '\n';
        text += DashaText(*reading.calculation.dasha);
    }
    return text;
}

}  // namespace sarovin
