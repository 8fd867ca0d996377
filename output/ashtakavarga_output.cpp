#include "output/ashtakavarga_output.h"

#include <array>
#include <numeric>
#include <string_view>

#include "calculation/birth_periods.h"

namespace sarovin {

namespace {

constexpr std::array<std::string_view, 2> TABLES_TEXTS = {"Parashara's tables",
                                                          "Varahamihira's tables"};
constexpr std::string_view SARVA_NAME = "Sarva";
constexpr std::size_t NAME_WIDTH = 8;
constexpr std::size_t BINDUS_WIDTH = 3;
constexpr std::size_t TOTAL_WIDTH = 5;

void WriteBindus(JsonWriter& json, const SignBindus& bindus) {
    json.BeginArray();
    for (const int count : bindus) {
        json.Number(count);
    }
    json.EndArray();
}

void AppendRight(std::string& text, const std::string& cell, std::size_t width) {
    text.append(width > cell.size() ? width - cell.size() : 0, ' ');
    text += cell;
}

void AppendRow(std::string& text, const AshtakavargaRow& row) {
    text += row.name;
    text.append(NAME_WIDTH - row.name.size(), ' ');
    for (const int count : row.bindus) {
        AppendRight(text, std::to_string(count), BINDUS_WIDTH);
    }
    AppendRight(text, std::to_string(row.total), TOTAL_WIDTH);
    text += '\n';
}

AshtakavargaRow RowOf(std::string_view name, const SignBindus& bindus) {
    return {name, bindus, std::accumulate(bindus.begin(), bindus.end(), 0)};
}

}  // namespace

void WriteAshtakavargaJson(JsonWriter& json, const Ashtakavarga& ashtakavarga) {
    json.BeginObject();
    json.Key("tables");
    json.String(NameOf(ASHTAKAVARGA_TABLES_NAMES, ashtakavarga.tables));
    json.Key("bhinna");
    json.BeginObject();
    for (std::size_t point = 0; point < AshtakaPointNames.size(); ++point) {
        json.Key(AshtakaPointNames[point]);
        WriteBindus(json, ashtakavarga.bhinna[point]);
    }
    json.EndObject();
    json.Key("sarva");
    WriteBindus(json, ashtakavarga.sarva);
    json.EndObject();
}

std::string_view TablesText(AshtakavargaTables tables) {
    return TABLES_TEXTS[static_cast<std::size_t>(tables)];
}

std::vector<AshtakavargaRow> AshtakavargaRows(const Ashtakavarga& ashtakavarga) {
    std::vector<AshtakavargaRow> rows;
    for (std::size_t point = 0; point < AshtakaPointNames.size(); ++point) {
        rows.push_back(RowOf(AshtakaPointNames[point], ashtakavarga.bhinna[point]));
    }
    rows.push_back(RowOf(SARVA_NAME, ashtakavarga.sarva));
    return rows;
}

std::string AshtakavargaText(const Ashtakavarga& ashtakavarga) {
    std::string text = "Ashtakavarga, " + std::string(TablesText(ashtakavarga.tables)) +
                       ": bindus in the signs from Mesha to Meena, and the total\n";
    for (const AshtakavargaRow& row : AshtakavargaRows(ashtakavarga)) {
        AppendRow(text, row);
    }
    return text;
}

}  // namespace sarovin
