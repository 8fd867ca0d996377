#include "atlas/place_matching.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "atlas/search_key.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr std::size_t LISTED_CANDIDATES = 10;
constexpr std::string_view DEGREE_SIGN = "\u00B0";

// How well a name meets a text, best first.
enum class NameMatch { Whole, Prefix, Contained, None };

NameMatch MatchName(std::string_view nameKey, std::string_view textKey) {
    if (nameKey == textKey) {
        return NameMatch::Whole;
    }
    if (nameKey.starts_with(textKey)) {
        return NameMatch::Prefix;
    }
    return nameKey.find(textKey) != std::string_view::npos ? NameMatch::Contained : NameMatch::None;
}

struct Candidate {
    NameMatch match;
    const Place* place;
};

bool RanksBefore(const Candidate& a, const Candidate& b) {
    if (a.match != b.match) {
        return a.match < b.match;
    }
    if (a.place->population != b.place->population) {
        return a.place->population > b.place->population;
    }
    return std::tie(a.place->name, a.place->region, a.place->country) <
           std::tie(b.place->name, b.place->region, b.place->country);
}

std::vector<Place> BestOf(std::vector<Candidate> candidates, std::size_t limit) {
    const std::size_t kept = std::min(limit, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(kept),
                      candidates.end(), RanksBefore);
    std::vector<Place> best;
    best.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        best.push_back(*candidates[i].place);
    }
    return best;
}

// True when `rest`, the query after the name and its comma, names the
// place's region, country or both.
bool QualifiesPlace(const Place& place, std::string_view rest) {
    const std::string region = SearchKey(place.region);
    const std::string country = SearchKey(place.country);
    const std::string code = SearchKey(place.countryCode);
    const std::array<std::string, 5> writings = {
        region, country, code, region + ", " + country, region + ", " + code,
    };
    return std::find(writings.begin(), writings.end(), rest) != writings.end();
}

// True when the query key is the place's name alone or followed by its
// region, country or both. Names and regions may hold commas of their own
// ("Burgdorf, Hanover"), so the place's parts are laid against the query
// rather than the query split at its commas.
bool IsWrittenAs(const Place& place, std::string_view queryKey) {
    const std::string name = SearchKey(place.name);
    if (queryKey == name) {
        return true;
    }
    const std::string nameAndComma = name + ", ";
    return queryKey.starts_with(nameAndComma) &&
           QualifiesPlace(place, queryKey.substr(nameAndComma.size()));
}

// True when the query is the place written as above and followed by its
// coordinates as --find-place prints them, which tell apart towns that
// share a label.
bool IsWrittenWithCoordinates(const Place& place, std::string_view query) {
    const std::string coordinates = place.CoordinatesText();
    if (!query.ends_with(coordinates)) {
        return false;
    }
    std::string_view written = query.substr(0, query.size() - coordinates.size());
    const std::size_t end = written.find_last_not_of(" \t,");
    written = written.substr(0, end == std::string_view::npos ? 0 : end + 1);
    return IsWrittenAs(place, SearchKey(written));
}

std::vector<Candidate> PlacesWrittenAs(std::span<const Place> places, std::string_view query,
                                       std::string_view queryKey) {
    const bool hasCoordinates = query.find(DEGREE_SIGN) != std::string_view::npos;
    std::vector<Candidate> written;
    for (const Place& place : places) {
        if (IsWrittenAs(place, queryKey) ||
            (hasCoordinates && IsWrittenWithCoordinates(place, query))) {
            written.push_back({NameMatch::Whole, &place});
        }
    }
    return written;
}

// The one candidate whose label, or label and coordinates, is the query
// byte for byte: a line of the advice written back. Labels that differ
// only in marks (two Panautis of Nepal's Bagmati Province, one with two
// combining marks, at the same minute) share search key and coordinates.
const Place* WrittenExactly(const std::vector<Candidate>& written, std::string_view query) {
    const Place* exact = nullptr;
    for (const Candidate& candidate : written) {
        const std::string label = candidate.place->Label();
        if (query == label || query == label + " " + candidate.place->CoordinatesText()) {
            if (exact != nullptr) {
                return nullptr;
            }
            exact = candidate.place;
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

Refusal RefuseSeveral(std::string_view query, std::vector<Candidate> written) {
    const std::size_t total = written.size();
    return RefuseWith("\"" + PrintableText(query) +
                      "\" could be more than one place. Write it as one of these:" +
                      ListOfLabels(BestOf(std::move(written), LISTED_CANDIDATES), total));
}

Refusal RefuseUnknown(std::span<const Place> places, std::string_view query,
                      std::string_view queryKey) {
    const std::string_view name = queryKey.substr(0, queryKey.find(','));
    const std::vector<Place> near = SearchPlaces(places, name, LISTED_CANDIDATES);
    std::string message = "No place is known as \"" + PrintableText(query) + "\".";
    if (!near.empty()) {
        message += " Places with names like it:" + ListOfLabels(near, near.size());
    }
    return RefuseWith(std::move(message));
}

}  // namespace

std::vector<Place> SearchPlaces(std::span<const Place> places, std::string_view text,
                                std::size_t limit) {
    const std::string textKey = SearchKey(text);
    if (textKey.empty()) {
        return {};
    }
    std::vector<Candidate> candidates;
    for (const Place& place : places) {
        const NameMatch match = MatchName(SearchKey(place.name), textKey);
        if (match != NameMatch::None) {
            candidates.push_back({match, &place});
        }
    }
    return BestOf(std::move(candidates), limit);
}

Result<Place> ResolvePlaceAmong(std::span<const Place> places, std::string_view query) {
    const std::string queryKey = SearchKey(query);
    if (queryKey.empty()) {
        return RefuseWith("Please write the name of the place.");
    }
    std::vector<Candidate> written = PlacesWrittenAs(places, query, queryKey);
    if (written.size() == 1) {
        return *written.front().place;
    }
    if (written.empty()) {
        return RefuseUnknown(places, query, queryKey);
    }
    if (const Place* exact = WrittenExactly(written, query)) {
        return *exact;
    }
    return RefuseSeveral(query, std::move(written));
}

}  // namespace sarovin
