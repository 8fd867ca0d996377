#include "output/sputa_text_table.h"

#include "text/virupas_text.h"

namespace sarovin {

namespace {

constexpr std::string_view LAGNA_CAPTION = "Lagna";
constexpr std::string_view NO_ASPECT = "-";

void FillOwnCells(const SputaDrishti& sputa, SputaTextTable& table) {
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (const std::int16_t strength : sputa.grid[row]) {
            table.cells[row].push_back(std::to_string(strength));
        }
    }
}

void FillClassicalCells(const ClassicalSputa& sputa, SputaTextTable& table) {
    if (sputa.lagna) {
        table.columns.emplace_back(LAGNA_CAPTION);
    }
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (std::size_t column = 0; column < table.columns.size(); ++column) {
            if (row >= ASPECTING_PLANETS) {
                table.cells[row].emplace_back(NO_ASPECT);
            } else if (column < BODY_COUNT) {
                table.cells[row].push_back(VirupasText(sputa.grid[row][column]));
            } else {
                table.cells[row].push_back(VirupasText(sputa.lagna->virupas[row]));
            }
        }
    }
}

}  // namespace

SputaTextTable MakeSputaTextTable(const DrishtiReport& report) {
    SputaTextTable table;
    table.columns.assign(report.sputa.columnCaptions.begin(), report.sputa.columnCaptions.end());
    table.rows = report.sputa.rowCaptions;
    table.positions = report.sputa.positionCaptions;
    if (report.classical) {
        FillClassicalCells(report.classical->sputa, table);
    } else {
        FillOwnCells(report.sputa, table);
    }
    return table;
}

std::string DrikBalaLine(const DrishtiReport& report) {
    if (!report.classical) {
        return {};
    }
    std::string line = "Drik Bala:";
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        line += planet == 0 ? " " : ", ";
        line += SlotNames[planet].englishName;
        line += ' ';
        line += VirupasText(report.classical->drikBala[planet].virupas);
    }
    return line;
}

}  // namespace sarovin
