#include "atlas/place_matching.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "atlas/search_key.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr std::size_t LISTED_CANDIDATES = 10;
constexpr std::string_view DEGREE_SIGN = "\u00B0";
constexpr std::string_view PART_SEPARATOR = ", ";
constexpr std::uint64_t DOMINANCE = 10;

// How well a name meets a text, best first.
enum class NameMatch { Whole, Prefix, Contained };

struct Candidate {
    NameMatch match;
    const NameEntry* name;
};

bool IsOwnName(const NameEntry& name) {
    return name.writtenLength == 0;
}

// The best name of each place met so far: the better match, and of two
// equal ones the place's own name.
class CandidateSet {
  public:
    void Offer(NameMatch match, const NameEntry& name) {
        const auto [found, added] = byPlace_.try_emplace(name.place, Candidate{match, &name});
        Candidate& held = found->second;
        if (!added && (match < held.match ||
                       (match == held.match && IsOwnName(name) && !IsOwnName(*held.name)))) {
            held = {match, &name};
        }
    }

    std::size_t Size() const { return byPlace_.size(); }

    std::vector<Candidate> Take() const {
        std::vector<Candidate> candidates;
        candidates.reserve(byPlace_.size());
        for (const auto& [place, candidate] : byPlace_) {
            candidates.push_back(candidate);
        }
        return candidates;
    }

  private:
    std::unordered_map<std::uint32_t, Candidate> byPlace_;
};

Place PlaceFound(const Gazetteer& atlas, const Candidate& candidate) {
    Place place = atlas.Places()[candidate.name->place];
    place.otherName = std::string(atlas.WrittenOf(*candidate.name));
    return place;
}

std::vector<Place> BestOf(const Gazetteer& atlas, std::vector<Candidate> candidates,
                          std::size_t limit) {
    const auto ranksBefore = [&atlas](const Candidate& a, const Candidate& b) {
        const Place& first = atlas.Places()[a.name->place];
        const Place& second = atlas.Places()[b.name->place];
        if (a.match != b.match) {
            return a.match < b.match;
        }
        if (first.population != second.population) {
            return first.population > second.population;
        }
        return std::tie(first.name, first.region, first.country, a.name->place) <
               std::tie(second.name, second.region, second.country, b.name->place);
    };
    const std::size_t kept = std::min(limit, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(kept),
                      candidates.end(), ranksBefore);
    std::vector<Place> best;
    best.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        best.push_back(PlaceFound(atlas, candidates[i]));
    }
    return best;
}

// A query key read as a name and what follows its comma, if anything.
struct NameAndRest {
    std::string_view name;
    std::optional<std::string_view> rest;
};

// Every way to read the key as a name and the rest: the whole key as the
// name, then the key cut at each comma. Names and regions may hold commas
// of their own ("Burgdorf, Hanover"), so no one cut is taken for granted.
std::vector<NameAndRest> ReadingsOf(std::string_view key) {
    std::vector<NameAndRest> readings = {{key, std::nullopt}};
    for (std::size_t comma = key.find(PART_SEPARATOR); comma != std::string_view::npos;
         comma = key.find(PART_SEPARATOR, comma + 1)) {
        readings.push_back({key.substr(0, comma), key.substr(comma + PART_SEPARATOR.size())});
    }
    return readings;
}

// The place's region, country, country code, and region followed by
// country or code, each as SearchKey writes it.
std::array<std::string, 5> WritingsOfWhere(const Place& place) {
    const std::string region = SearchKey(place.region);
    const std::string country = SearchKey(place.country);
    const std::string code = SearchKey(place.countryCode);
    return {region, country, code, region + ", " + country, region + ", " + code};
}

// True when `rest`, the query after the name and its comma, names the
// place's region, country or both.
bool QualifiesPlace(const Place& place, std::string_view rest) {
    const std::array<std::string, 5> writings = WritingsOfWhere(place);
    return std::find(writings.begin(), writings.end(), rest) != writings.end();
}

// True when `rest`, typed after the name and its comma, begins one of the
// ways to write the place's region or country, or nothing is typed there.
bool NarrowsTo(const Place& place, std::optional<std::string_view> rest) {
    if (!rest || rest->empty()) {
        return true;
    }
    const std::array<std::string, 5> writings = WritingsOfWhere(place);
    return std::any_of(writings.begin(), writings.end(),
                       [rest](const std::string& writing) { return writing.starts_with(*rest); });
}

std::string_view TrimmedOfCommas(std::string_view key) {
    const std::size_t end = key.find_last_not_of(" ,");
    return key.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

// Offers each place known by the whole name of a reading of `key`, where
// the rest names its region or country and `coordinates`, when given, are
// its own.
void OfferWrittenAs(const Gazetteer& atlas, std::string_view key,
                    std::optional<std::string_view> coordinates, CandidateSet& set) {
    for (const NameAndRest& reading : ReadingsOf(key)) {
        for (const NameEntry& name : atlas.NamesBeginningWith(reading.name)) {
            const Place& place = atlas.Places()[name.place];
            if (atlas.KeyOf(name) == reading.name &&
                (!reading.rest || QualifiesPlace(place, *reading.rest)) &&
                (!coordinates || place.CoordinatesText() == *coordinates)) {
                set.Offer(NameMatch::Whole, name);
            }
        }
    }
}

// Where the query ends in coordinates as --find-place prints them, the
// query before them and the coordinates.
std::optional<std::pair<std::string_view, std::string_view>> SplitCoordinates(
    std::string_view query) {
    const std::size_t degree = query.find(DEGREE_SIGN);
    if (degree == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t start = degree;
    while (start > 0 && query[start - 1] >= '0' && query[start - 1] <= '9') {
        --start;
    }
    std::string_view written = query.substr(0, start);
    const std::size_t end = written.find_last_not_of(" \t,");
    written = written.substr(0, end == std::string_view::npos ? 0 : end + 1);
    return std::pair{written, query.substr(start)};
}

// Of the places written alike, the one with more than DOMINANCE times the
// people of each of the others. Where it is known by that name only as
// another name, it goes before the others' own names: "Madras" is Chennai
// and not Madras, Oregon, and "New York", a former name of York, Nebraska
// too, is the city of eight million. Among places of their own name no
// one is taken for granted: "London" stays a question.
const Candidate* DominantPlace(const Gazetteer& atlas, const std::vector<Candidate>& written) {
    const auto people = [&atlas](const Candidate& c) {
        return atlas.Places()[c.name->place].population;
    };
    const auto most = std::max_element(
        written.begin(), written.end(),
        [&people](const Candidate& a, const Candidate& b) { return people(a) < people(b); });
    if (most == written.end()) {
        return nullptr;
    }
    for (const Candidate& other : written) {
        if (&other != &*most && people(other) * DOMINANCE >= people(*most)) {
            return nullptr;
        }
    }
    return &*most;
}

std::vector<Candidate> PlacesWrittenAs(const Gazetteer& atlas, std::string_view query) {
    CandidateSet set;
    OfferWrittenAs(atlas, SearchKey(query), std::nullopt, set);
    if (const auto split = SplitCoordinates(query)) {
        OfferWrittenAs(atlas, SearchKey(split->first), split->second, set);
    }
    std::vector<Candidate> written = set.Take();
    const Candidate* dominant = DominantPlace(atlas, written);
    if (dominant != nullptr && !IsOwnName(*dominant->name)) {
        return {*dominant};
    }
    const bool anyOwn = std::any_of(written.begin(), written.end(),
                                    [](const Candidate& c) { return IsOwnName(*c.name); });
    if (anyOwn) {
        std::erase_if(written, [](const Candidate& c) { return !IsOwnName(*c.name); });
    } else if (dominant != nullptr) {
        return {*dominant};
    }
    return written;
}

// The query without the other name in brackets that a label carries
// ("Mumbai (Bombay), Maharashtra, India" becomes "Mumbai, Maharashtra,
// India"); empty where it has none.
std::string WithoutBracketedName(std::string_view query) {
    const std::size_t open = query.rfind(" (");
    const std::size_t close = query.find(')', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos) {
        return {};
    }
    return std::string(query.substr(0, open)) + std::string(query.substr(close + 1));
}

std::vector<Place> SearchNames(const Gazetteer& atlas, std::string_view text, std::size_t limit) {
    const std::string textKey = SearchKey(text);
    const std::vector<NameAndRest> readings = ReadingsOf(TrimmedOfCommas(textKey));
    if (readings.front().name.empty()) {
        return {};
    }
    CandidateSet set;
    for (const NameAndRest& reading : readings) {
        for (const NameEntry& name : atlas.NamesBeginningWith(reading.name)) {
            if (NarrowsTo(atlas.Places()[name.place], reading.rest)) {
                set.Offer(atlas.KeyOf(name) == reading.name ? NameMatch::Whole : NameMatch::Prefix,
                          name);
            }
        }
    }
    // Every place found so far ranks before any found by a part of a name.
    if (set.Size() < limit) {
        for (const NameAndRest& reading : readings) {
            for (const NameEntry* name : atlas.NamesContainingWithin(reading.name)) {
                if (NarrowsTo(atlas.Places()[name->place], reading.rest)) {
                    set.Offer(NameMatch::Contained, *name);
                }
            }
        }
    }
    return BestOf(atlas, set.Take(), limit);
}

// The one candidate whose label, or label and coordinates, is the query
// byte for byte: a line of the advice written back. Labels that differ
// only in marks (two Panautis of Nepal's Bagmati Province, one with two
// combining marks, at the same minute) share search key and coordinates.
std::optional<Place> WrittenExactly(const Gazetteer& atlas, const std::vector<Candidate>& written,
                                    std::string_view query) {
    std::optional<Place> exact;
    for (const Candidate& candidate : written) {
        Place place = PlaceFound(atlas, candidate);
        const std::string label = place.Label();
        if (query == label || query == label + " " + place.CoordinatesText()) {
            if (exact) {
                return std::nullopt;
            }
            exact = std::move(place);
        }
    }
    return exact;
}

// Each place on a line by its label, followed by its coordinates where
// another place of the list has the same label.
std::string ListOfLabels(const std::vector<Place>& places, std::size_t total) {
    std::string list;
    for (const Place& place : places) {
        const std::string label = place.Label();
        const auto sameLabel = [&label](const Place& other) { return other.Label() == label; };
        list += "\n" + label;
        if (std::count_if(places.begin(), places.end(), sameLabel) > 1) {
            list += " " + place.CoordinatesText();
        }
    }
    if (total > places.size()) {
        list += "\n(and " + std::to_string(total - places.size()) + " more)";
    }
    return list;
}

Refusal RefuseSeveral(const Gazetteer& atlas, std::string_view query,
                      std::vector<Candidate> written) {
    const std::size_t total = written.size();
    return RefuseWith("\"" + PrintableText(query) +
                      "\" could be more than one place. Write it as one of these:" +
                      ListOfLabels(BestOf(atlas, std::move(written), LISTED_CANDIDATES), total));
}

// "Hyderabad Sindh" typed where no comma can be, as in the City box: the
// last words read as the region or country, the fewest first.
std::vector<Place> SearchWithWhereLast(const Gazetteer& atlas, std::string_view key,
                                       std::size_t limit) {
    for (std::size_t space = key.rfind(' '); space != std::string_view::npos && space > 0;
         space = key.rfind(' ', space - 1)) {
        const std::string withComma =
            std::string(key.substr(0, space)) + ", " + std::string(key.substr(space + 1));
        std::vector<Place> found = SearchNames(atlas, withComma, limit);
        if (!found.empty()) {
            return found;
        }
    }
    return {};
}

Refusal RefuseUnknown(const Gazetteer& atlas, std::string_view query, std::string_view queryKey) {
    const std::string_view name = queryKey.substr(0, queryKey.find(','));
    const std::vector<Place> near = SearchNames(atlas, name, LISTED_CANDIDATES);
    std::string message = "No place is known as \"" + PrintableText(query) + "\".";
    if (!near.empty()) {
        message += " Places with names like it:" + ListOfLabels(near, near.size());
    }
    return RefuseWith(std::move(message));
}

}  // namespace

std::vector<Place> SearchAtlas(const Gazetteer& atlas, std::string_view text, std::size_t limit) {
    std::vector<Place> found = SearchNames(atlas, text, limit);
    if (!found.empty()) {
        return found;
    }
    const std::string plain = WithoutBracketedName(text);
    return plain.empty() ? SearchWithWhereLast(atlas, SearchKey(text), limit)
                         : SearchNames(atlas, plain, limit);
}

Result<Place> ResolveInAtlas(const Gazetteer& atlas, std::string_view query) {
    const std::string queryKey = SearchKey(query);
    if (queryKey.empty()) {
        return RefuseWith("Please write the name of the place.");
    }
    std::vector<Candidate> written = PlacesWrittenAs(atlas, query);
    if (written.empty()) {
        const std::string plain = WithoutBracketedName(query);
        if (!plain.empty()) {
            written = PlacesWrittenAs(atlas, plain);
        }
    }
    if (written.size() == 1) {
        return PlaceFound(atlas, written.front());
    }
    if (written.empty()) {
        return RefuseUnknown(atlas, query, queryKey);
    }
    if (std::optional<Place> exact = WrittenExactly(atlas, written, query)) {
        return *std::move(exact);
    }
    return RefuseSeveral(atlas, query, std::move(written));
}

std::vector<Place> SearchPlaces(std::span<const Place> places, std::string_view text,
                                std::size_t limit) {
    return SearchAtlas(Gazetteer({places.begin(), places.end()}, {}), text, limit);
}

Result<Place> ResolvePlaceAmong(std::span<const Place> places, std::string_view query) {
    return ResolveInAtlas(Gazetteer({places.begin(), places.end()}, {}), query);
}

}  // namespace sarovin
