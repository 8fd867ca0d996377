#include "atlas/index_maker/geonames_files.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string_view>

#include "atlas/search_key.h"

namespace sarovin {

namespace {

// The columns of a GeoNames place line (readme.txt of the GeoNames dump).
enum Column : std::size_t {
    GEONAME_ID = 0,
    NAME = 1,
    ALTERNATE_NAMES = 3,
    LATITUDE = 4,
    LONGITUDE = 5,
    FEATURE_CODE = 7,
    COUNTRY_CODE = 8,
    ADMIN1_CODE = 10,
    POPULATION = 14,
    TIMEZONE = 17,
    COLUMN_COUNT = 19,
};

constexpr std::uint64_t LEAST_POPULATION = 1000;
// The capital and the seats of first-, second- and third-level divisions,
// kept whatever their population.
constexpr std::array<std::string_view, 4> SEATS = {"PPLC", "PPLA", "PPLA2", "PPLA3"};
// Codes of airports and the like ("BOM"), written in capitals.
constexpr std::size_t LONGEST_CODE = 4;

std::optional<std::string> TextOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = line.find(separator); at != std::string_view::npos;
         at = line.find(separator, start)) {
        parts.push_back(line.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(line.substr(start));
    return parts;
}

template <typename Each>
void ForEachLine(std::string_view text, Each each) {
    for (std::string_view line : Split(text, '\n')) {
        if (!line.empty() && line.front() != '#') {
            each(line);
        }
    }
}

template <typename Number>
std::optional<Number> NumberIn(std::string_view field) {
    Number number{};
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    return error == std::errc() && end == field.data() + field.size() ? std::optional(number)
                                                                      : std::nullopt;
}

void AppendUtf8(char32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The JSON string that starts after the quote at `at`, its escapes undone;
// `at` is left past its closing quote.
std::string JsonString(std::string_view text, std::size_t& at) {
    std::string value;
    while (at < text.size() && text[at] != '"') {
        char c = text[at++];
        if (c == '\\' && at < text.size()) {
            c = text[at++];
            if (c == 'u' && at + 4 <= text.size()) {
                AppendUtf8(NumberIn<unsigned>(text.substr(at, 4)).value_or('?'), value);
                at += 4;
                continue;
            }
            c = c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
        value += c;
    }
    ++at;
    return value;
}

// The string value of `"field":` after `at`, or nothing.
std::optional<std::string> JsonField(std::string_view text, std::string_view field,
                                     std::size_t& at) {
    const std::string opening = "\"" + std::string(field) + "\"";
    at = text.find(opening, at);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    at = text.find('"', text.find(':', at + opening.size()));
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    ++at;
    return JsonString(text, at);
}

std::map<std::string, std::string> RegionsIn(std::string_view json) {
    std::map<std::string, std::string> regions;
    std::size_t at = 0;
    while (true) {
        std::optional<std::string> code = JsonField(json, "code", at);
        std::optional<std::string> name = code ? JsonField(json, "name", at) : std::nullopt;
        if (!name) {
            return regions;
        }
        regions.emplace(std::move(*code), std::move(*name));
    }
}

std::map<std::string, std::string, std::less<>> CountriesIn(std::string_view text) {
    std::map<std::string, std::string, std::less<>> countries;
    ForEachLine(text, [&countries](std::string_view line) {
        const std::vector<std::string_view> fields = Split(line, '\t');
        if (fields.size() >= 2) {
            countries.emplace(fields[0], fields[1]);
        }
    });
    return countries;
}

std::multimap<std::uint64_t, std::string> RenamingsIn(std::string_view text) {
    std::multimap<std::uint64_t, std::string> renamings;
    ForEachLine(text, [&renamings](std::string_view line) {
        const std::vector<std::string_view> fields = Split(line, '\t');
        const auto id = fields.size() >= 3 ? NumberIn<std::uint64_t>(fields[0]) : std::nullopt;
        if (id) {
            renamings.emplace(*id, fields[2]);
        }
    });
    return renamings;
}

bool IsKept(const std::vector<std::string_view>& fields) {
    const std::uint64_t population = NumberIn<std::uint64_t>(fields[POPULATION]).value_or(0);
    return population >= LEAST_POPULATION ||
           std::find(SEATS.begin(), SEATS.end(), fields[FEATURE_CODE]) != SEATS.end();
}

// Only names in Latin letters are kept, which are the names the panel's
// place box takes, and never a code such as an airport's.
bool IsKeptOtherName(std::string_view name) {
    const bool isCode =
        name.size() <= LONGEST_CODE &&
        std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    const std::string key = SearchKey(name);
    return !key.empty() && !isCode && std::all_of(key.begin(), key.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    });
}

}  // namespace

Result<GeoNamesPlaces> ReadGeoNamesPlaces(const std::string& citiesPath,
                                          const std::string& regionsPath,
                                          const std::string& countriesPath,
                                          const std::string& renamingsPath) {
    const auto cities = TextOf(citiesPath);
    const auto regionsJson = TextOf(regionsPath);
    const auto countriesText = TextOf(countriesPath);
    const auto renamingsText = TextOf(renamingsPath);
    if (!cities || !regionsJson || !countriesText || !renamingsText) {
        return RefuseWith("an input file cannot be read");
    }
    const auto regions = RegionsIn(*regionsJson);
    const auto countries = CountriesIn(*countriesText);
    const auto renamings = RenamingsIn(*renamingsText);
    GeoNamesPlaces read;
    std::string problem;
    ForEachLine(*cities, [&](std::string_view line) {
        const std::vector<std::string_view> fields = Split(line, '\t');
        if (fields.size() != COLUMN_COUNT) {
            problem =
                "a line of " + citiesPath + " has not " + std::to_string(COLUMN_COUNT) + " columns";
            return;
        }
        if (!IsKept(fields)) {
            return;
        }
        const auto country = countries.find(fields[COUNTRY_CODE]);
        if (country == countries.end()) {
            problem = "no name for the country " + std::string(fields[COUNTRY_CODE]);
            return;
        }
        Place place;
        place.name = fields[NAME];
        const auto region = regions.find(std::string(fields[COUNTRY_CODE]) + "." +
                                         std::string(fields[ADMIN1_CODE]));
        if (region != regions.end()) {
            place.region = region->second;
        }
        place.country = country->second;
        place.countryCode = fields[COUNTRY_CODE];
        place.latitude = NumberIn<double>(fields[LATITUDE]).value_or(0.0);
        place.longitude = NumberIn<double>(fields[LONGITUDE]).value_or(0.0);
        place.zoneId = fields[TIMEZONE];
        place.population = NumberIn<std::uint64_t>(fields[POPULATION]).value_or(0);
        const auto index = static_cast<std::uint32_t>(read.places.size());
        const auto id = NumberIn<std::uint64_t>(fields[GEONAME_ID]).value_or(0);
        const auto [first, last] = renamings.equal_range(id);
        for (auto renaming = first; renaming != last; ++renaming) {
            read.otherNames.push_back({index, renaming->second});
        }
        for (std::string_view name : Split(fields[ALTERNATE_NAMES], ',')) {
            if (IsKeptOtherName(name)) {
                read.otherNames.push_back({index, std::string(name)});
            }
        }
        read.places.push_back(std::move(place));
    });
    if (!problem.empty()) {
        return RefuseWith(problem);
    }
    return read;
}

}  // namespace sarovin
