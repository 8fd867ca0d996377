#include "atlas/gazetteer.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "atlas/search_key.h"

namespace sarovin {

namespace {

// A name before it is laid into the gazetteer's text.
struct PendingName {
    std::string key;
    std::uint32_t place;
    std::string written;  // empty for the place's own name
};

bool KeyOrder(const PendingName& a, const PendingName& b) {
    // The place's own name before its other names of the same key.
    return std::tie(a.key, a.place, a.written) < std::tie(b.key, b.place, b.written);
}

std::vector<PendingName> NamesOf(const std::vector<Place>& places,
                                 const std::vector<OtherName>& otherNames) {
    std::vector<PendingName> pending;
    std::set<std::pair<std::uint32_t, std::string>> known;
    for (std::uint32_t index = 0; index < places.size(); ++index) {
        std::string key = SearchKey(places[index].name);
        known.emplace(index, key);
        pending.push_back({std::move(key), index, {}});
    }
    for (const OtherName& other : otherNames) {
        std::string key = SearchKey(other.name);
        if (other.place < places.size() && !key.empty() && known.emplace(other.place, key).second) {
            pending.push_back({std::move(key), other.place, other.name});
        }
    }
    std::sort(pending.begin(), pending.end(), KeyOrder);
    return pending;
}

}  // namespace

Gazetteer::Gazetteer(std::vector<Place> places, const std::vector<OtherName>& otherNames)
    : places_(std::move(places)) {
    for (const PendingName& name : NamesOf(places_, otherNames)) {
        NameEntry entry;
        entry.place = name.place;
        entry.keyStart = static_cast<std::uint32_t>(keys_.size());
        entry.keyLength = static_cast<std::uint32_t>(name.key.size());
        entry.writtenStart = static_cast<std::uint32_t>(written_.size());
        entry.writtenLength = static_cast<std::uint32_t>(name.written.size());
        keys_ += name.key;
        keys_ += '\n';
        written_ += name.written;
        names_.push_back(entry);
    }
}

Gazetteer Gazetteer::FromSorted(std::vector<Place> places, std::string keys, std::string written,
                                std::vector<NameEntry> names) {
    Gazetteer gazetteer;
    gazetteer.places_ = std::move(places);
    gazetteer.keys_ = std::move(keys);
    gazetteer.written_ = std::move(written);
    gazetteer.names_ = std::move(names);
    return gazetteer;
}

std::string_view Gazetteer::KeyOf(const NameEntry& entry) const {
    return std::string_view(keys_).substr(entry.keyStart, entry.keyLength);
}

std::string_view Gazetteer::WrittenOf(const NameEntry& entry) const {
    return std::string_view(written_).substr(entry.writtenStart, entry.writtenLength);
}

std::span<const NameEntry> Gazetteer::NamesBeginningWith(std::string_view prefix) const {
    const auto first = std::lower_bound(
        names_.begin(), names_.end(), prefix,
        [this](const NameEntry& entry, std::string_view text) { return KeyOf(entry) < text; });
    auto last = first;
    while (last != names_.end() && KeyOf(*last).starts_with(prefix)) {
        ++last;
    }
    return {first, last};
}

std::vector<const NameEntry*> Gazetteer::NamesContainingWithin(std::string_view part) const {
    std::vector<const NameEntry*> found;
    if (part.empty() || part.find('\n') != std::string_view::npos) {
        return found;
    }
    const std::string_view keys(keys_);
    std::size_t at = keys.find(part, 1);
    while (at != std::string_view::npos) {
        const auto after = std::upper_bound(
            names_.begin(), names_.end(), at,
            [](std::size_t position, const NameEntry& entry) { return position < entry.keyStart; });
        const NameEntry& entry = *(after - 1);
        const std::size_t end = entry.keyStart + entry.keyLength;
        if (at != entry.keyStart && at + part.size() <= end) {
            found.push_back(&entry);
        }
        at = keys.find(part, std::max(at + 1, end + 1));
    }
    return found;
}

}  // namespace sarovin
