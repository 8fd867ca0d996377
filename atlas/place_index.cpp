#include "atlas/place_index.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

namespace sarovin {

namespace {

constexpr std::string_view FORMAT_LINE = "sarovin-places 1";

void AppendAsciiLowerCase(std::string_view text, std::string& out) {
    for (const char c : text) {
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
}

std::string AsciiLowerCase(std::string_view text) {
    std::string lower;
    AppendAsciiLowerCase(text, lower);
    return lower;
}

// Numbers each distinct value in the order first met.
template <typename Value>
class Numbering {
  public:
    std::size_t NumberOf(const Value& value) {
        const auto [found, added] = numbers_.try_emplace(value, values_.size());
        if (added) {
            values_.push_back(value);
        }
        return found->second;
    }
    const std::vector<Value>& Values() const { return values_; }

  private:
    std::map<Value, std::size_t> numbers_;
    std::vector<Value> values_;
};

void WriteTable(std::ostream& out, std::string_view title, std::size_t count) {
    out << title << '\t' << count << '\n';
}

// Reads the index line by line, each split at its tabs.
class IndexReader {
  public:
    explicit IndexReader(std::string_view text) : text_(text) {}

    bool NextLine() {
        if (at_ >= text_.size()) {
            return false;
        }
        const std::size_t end = std::min(text_.find('\n', at_), text_.size());
        line_ = text_.substr(at_, end - at_);
        at_ = end + 1;
        fields_.clear();
        std::size_t start = 0;
        for (std::size_t tab = line_.find('\t'); tab != std::string_view::npos;
             tab = line_.find('\t', start)) {
            fields_.push_back(line_.substr(start, tab - start));
            start = tab + 1;
        }
        fields_.push_back(line_.substr(start));
        return true;
    }

    std::string_view Line() const { return line_; }
    std::size_t Offset() const { return at_; }
    std::size_t FieldCount() const { return fields_.size(); }
    std::string_view Field(std::size_t index) const {
        return index < fields_.size() ? fields_[index] : std::string_view();
    }

    // The count of a table headed "title N", or nothing.
    std::optional<std::size_t> TableCount(std::string_view title) {
        if (!NextLine() || Field(0) != title) {
            return std::nullopt;
        }
        return NumberIn<std::size_t>(Field(1));
    }

    template <typename Number>
    static std::optional<Number> NumberIn(std::string_view field) {
        Number number{};
        const auto [end, error] =
            std::from_chars(field.data(), field.data() + field.size(), number);
        if (error != std::errc() || end != field.data() + field.size()) {
            return std::nullopt;
        }
        return number;
    }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::string_view line_;
    std::vector<std::string_view> fields_;
};

Refusal Unreadable(std::string_view what) {
    return RefuseWith("The place index cannot be read: " + std::string(what) + ".");
}

struct Tables {
    std::vector<std::pair<std::string, std::string>> countries;  // code, name
    std::vector<std::pair<std::size_t, std::string>> regions;    // country, name
    std::vector<std::string> zones;
};

std::optional<Tables> ReadTables(IndexReader& reader) {
    Tables tables;
    const auto countries = reader.TableCount("countries");
    for (std::size_t i = 0; countries && i < *countries && reader.NextLine(); ++i) {
        tables.countries.emplace_back(reader.Field(0), reader.Field(1));
    }
    const auto regions = reader.TableCount("regions");
    for (std::size_t i = 0; regions && i < *regions && reader.NextLine(); ++i) {
        const auto country = IndexReader::NumberIn<std::size_t>(reader.Field(0));
        if (!country || *country >= tables.countries.size()) {
            return std::nullopt;
        }
        tables.regions.emplace_back(*country, reader.Field(1));
    }
    const auto zones = reader.TableCount("zones");
    for (std::size_t i = 0; zones && i < *zones && reader.NextLine(); ++i) {
        tables.zones.emplace_back(reader.Line());
    }
    if (!countries || !regions || !zones || tables.countries.size() != *countries ||
        tables.regions.size() != *regions || tables.zones.size() != *zones) {
        return std::nullopt;
    }
    return tables;
}

std::optional<Place> ReadPlace(const IndexReader& reader, const Tables& tables) {
    const auto country = IndexReader::NumberIn<std::size_t>(reader.Field(2));
    const auto zone = IndexReader::NumberIn<std::size_t>(reader.Field(3));
    const auto latitude = IndexReader::NumberIn<double>(reader.Field(4));
    const auto longitude = IndexReader::NumberIn<double>(reader.Field(5));
    const auto population = IndexReader::NumberIn<std::uint64_t>(reader.Field(6));
    std::optional<std::size_t> region;
    if (!reader.Field(1).empty()) {
        region = IndexReader::NumberIn<std::size_t>(reader.Field(1));
        if (!region || *region >= tables.regions.size()) {
            return std::nullopt;
        }
    }
    if (reader.FieldCount() != 7 || !country || *country >= tables.countries.size() || !zone ||
        *zone >= tables.zones.size() || !latitude || !longitude || !population) {
        return std::nullopt;
    }
    Place place;
    place.name = reader.Field(0);
    if (region) {
        place.region = tables.regions[*region].second;
    }
    place.countryCode = tables.countries[*country].first;
    place.country = tables.countries[*country].second;
    place.zoneId = tables.zones[*zone];
    place.latitude = *latitude;
    place.longitude = *longitude;
    place.population = *population;
    return place;
}

}  // namespace

void WritePlaceIndex(const Gazetteer& atlas, std::ostream& out) {
    Numbering<std::pair<std::string, std::string>> countries;
    Numbering<std::pair<std::size_t, std::string>> regions;
    Numbering<std::string> zones;
    std::vector<std::tuple<std::optional<std::size_t>, std::size_t, std::size_t>> numbers;
    for (const Place& place : atlas.Places()) {
        const std::size_t country = countries.NumberOf({place.countryCode, place.country});
        std::optional<std::size_t> region;
        if (!place.region.empty()) {
            region = regions.NumberOf({country, place.region});
        }
        numbers.emplace_back(region, country, zones.NumberOf(place.zoneId));
    }
    out << FORMAT_LINE << '\n';
    WriteTable(out, "countries", countries.Values().size());
    for (const auto& [code, name] : countries.Values()) {
        out << code << '\t' << name << '\n';
    }
    WriteTable(out, "regions", regions.Values().size());
    for (const auto& [country, name] : regions.Values()) {
        out << country << '\t' << name << '\n';
    }
    WriteTable(out, "zones", zones.Values().size());
    for (const std::string& zone : zones.Values()) {
        out << zone << '\n';
    }
    WriteTable(out, "places", atlas.Places().size());
    out.precision(9);
    for (std::size_t i = 0; i < atlas.Places().size(); ++i) {
        const Place& place = atlas.Places()[i];
        const auto& [region, country, zone] = numbers[i];
        out << place.name << '\t';
        if (region) {
            out << *region;
        }
        out << '\t' << country << '\t' << zone << '\t' << place.latitude << '\t' << place.longitude
            << '\t' << place.population << '\n';
    }
    WriteTable(out, "names", atlas.Names().size());
    for (const NameEntry& name : atlas.Names()) {
        const std::string_view written = atlas.WrittenOf(name);
        const std::string_view shown = written.empty() ? atlas.Places()[name.place].name : written;
        out << name.place << '\t' << written;
        if (atlas.KeyOf(name) != AsciiLowerCase(shown)) {
            out << '\t' << atlas.KeyOf(name);
        }
        out << '\n';
    }
}

Result<Gazetteer> ReadPlaceIndex(const std::string& text) {
    IndexReader reader(text);
    if (!reader.NextLine() || reader.Line() != FORMAT_LINE) {
        return Unreadable("it is not a place index of this version");
    }
    const std::optional<Tables> tables = ReadTables(reader);
    if (!tables) {
        return Unreadable("a table of countries, regions or zones is broken");
    }
    const auto placeCount = reader.TableCount("places");
    if (!placeCount) {
        return Unreadable("the places are missing");
    }
    std::vector<Place> places;
    places.reserve(*placeCount);
    while (places.size() < *placeCount && reader.NextLine()) {
        std::optional<Place> place = ReadPlace(reader, *tables);
        if (!place) {
            return Unreadable("place " + std::to_string(places.size()) + " is broken");
        }
        places.push_back(std::move(*place));
    }
    const auto nameCount = reader.TableCount("names");
    if (places.size() != *placeCount || !nameCount) {
        return Unreadable("the names are missing");
    }
    // The names' text is a part of the index's: reserved whole, it is
    // never copied as it grows.
    const std::size_t namesText = text.size() - reader.Offset();
    std::string keys;
    keys.reserve(namesText);
    std::string written;
    written.reserve(namesText);
    std::vector<NameEntry> names;
    names.reserve(*nameCount);
    while (names.size() < *nameCount && reader.NextLine()) {
        const auto place = IndexReader::NumberIn<std::uint32_t>(reader.Field(0));
        if (!place || *place >= places.size() || reader.FieldCount() < 2) {
            return Unreadable("name " + std::to_string(names.size()) + " is broken");
        }
        NameEntry entry;
        entry.place = *place;
        entry.writtenStart = static_cast<std::uint32_t>(written.size());
        entry.writtenLength = static_cast<std::uint32_t>(reader.Field(1).size());
        written += reader.Field(1);
        const std::string_view shown =
            entry.writtenLength == 0 ? places[*place].name : reader.Field(1);
        entry.keyStart = static_cast<std::uint32_t>(keys.size());
        if (reader.FieldCount() > 2) {
            keys += reader.Field(2);
        } else {
            AppendAsciiLowerCase(shown, keys);
        }
        entry.keyLength = static_cast<std::uint32_t>(keys.size() - entry.keyStart);
        keys += '\n';
        names.push_back(entry);
    }
    if (names.size() != *nameCount) {
        return Unreadable("names are missing");
    }
    return Gazetteer::FromSorted(std::move(places), std::move(keys), std::move(written),
                                 std::move(names));
}

}  // namespace sarovin
