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

void AppendRow(std::string& text, std::string_view name, const SignBindus& bindus) {
    text += name;
    text.append(NAME_WIDTH - name.size(), ' ');
    for (const int count : bindus) {
        AppendRight(text, std::to_string(count), BINDUS_WIDTH);
    }
    AppendRight(text, std::to_string(std::accumulate(bindus.begin(), bindus.end(), 0)),
                TOTAL_WIDTH);
    text += '\n';
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

std::string AshtakavargaText(const Ashtakavarga& ashtakavarga) {
    std::string text = "Ashtakavarga, " +
                       std::string(TABLES_TEXTS[static_cast<std::size_t>(ashtakavarga.tables)]) +
                       ": bindus in the signs from Mesha to Meena, and the total\n";
    for (std::size_t point = 0; point < AshtakaPointNames.size(); ++point) {
        AppendRow(text, AshtakaPointNames[point], ashtakavarga.bhinna[point]);
    }
    AppendRow(text, SARVA_NAME, ashtakavarga.sarva);
    return text;
}

}  // namespace sarovin
