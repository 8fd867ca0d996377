#include "output/comparison_text.h"

#include <algorithm>
#include <vector>

#include "comparison/comparison_texts.h"
#include "engine/body_slot.h"
#include "output/birth_header.h"
#include "text/printable_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

constexpr std::size_t COLUMN_GAP = 2;
constexpr std::string_view INDENT = "    ";

struct Pair {
    const ReportedReading& from;
    const ReportedReading& onto;
    std::string_view fromName;
    std::string_view ontoName;
};

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += '\n';
}

std::string Padded(std::string_view cell, std::size_t width) {
    return std::string(width > cell.size() ? width - cell.size() : 0, ' ') + std::string(cell);
}

// A table of virupas: the planets of `from` down, the bodies of `onto`
// (and its Lagna) across, every column as wide as its widest cell.
void AppendSputaTable(std::string& text, const CrossSputa& cross) {
    std::vector<std::vector<std::string>> rows(ASPECTING_PLANETS + 1);
    rows[0].emplace_back();
    for (const BodyNames& names : SlotNames) {
        rows[0].emplace_back(names.englishName);
    }
    if (cross.onLagna) {
        rows[0].emplace_back("Lagna");
    }
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        std::vector<std::string>& row = rows[planet + 1];
        row.emplace_back(SlotNames[planet].englishName);
        for (const double virupas : cross.onBodies[planet]) {
            row.push_back(VirupasText(virupas));
        }
        if (cross.onLagna) {
            row.push_back(VirupasText((*cross.onLagna)[planet]));
        }
    }
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const auto& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    for (const auto& row : rows) {
        std::string line = row[0] + std::string(widths[0] - row[0].size(), ' ');
        for (std::size_t column = 1; column < row.size(); ++column) {
            line += Padded(row[column], widths[column] + COLUMN_GAP);
        }
        AppendLine(text, line);
    }
}

void AppendMutual(std::string& text, const ComparedReadings& compared, std::string_view aName,
                  std::string_view bName) {
    AppendLine(text, MUTUAL_HEADING);
    if (compared.comparison.mutual.empty()) {
        AppendLine(text, std::string(INDENT) + "none");
    }
    for (const MutualAspect& pair : compared.comparison.mutual) {
        AppendLine(text, std::string(INDENT) + MutualAspectLine(pair, aName, bName));
    }
}

void AppendDirection(std::string& text, const Pair& pair, const CrossSputa& sputa,
                     const std::array<GrahaAcross, GRAHA_ROWS>& graha) {
    const std::string direction = std::string(pair.fromName) + " on " + std::string(pair.ontoName);
    text += '\n';
    AppendLine(text, "Sputa Drishti of " + direction + " (virupas)");
    AppendSputaTable(text, sputa);
    text += '\n';
    AppendLine(text, "Graha Drishti of " + direction);
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        AppendLine(text, std::string(INDENT) + GrahaAcrossSentence(body, graha[body],
                                                                   pair.from.calculation.sky,
                                                                   pair.fromName, pair.ontoName));
    }
}

}  // namespace

std::string FormatTextComparison(const ComparedReadings& compared) {
    const std::string aName = PrintableText(ChartName(compared.a.calculation.record.name, "A"));
    const std::string bName = PrintableText(ChartName(compared.b.calculation.record.name, "B"));
    std::string text;
    AppendLine(text, compared.comparison.sameBirth
                         ? "A reading compared with itself: A and B hold the same birth."
                         : "A compared with B");
    AppendLine(text, "A: " + BirthHeaderLine(compared.a));
    AppendLine(text, "B: " + BirthHeaderLine(compared.b));
    text += '\n';
    AppendMutual(text, compared, aName, bName);
    const ChartComparison& comparison = compared.comparison;
    AppendDirection(text, {compared.a, compared.b, aName, bName}, comparison.aOnB,
                    comparison.grahaAOnB);
    AppendDirection(text, {compared.b, compared.a, bName, aName}, comparison.bOnA,
                    comparison.grahaBOnA);
    return text;
}

}  // namespace sarovin
