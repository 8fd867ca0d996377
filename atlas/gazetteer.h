#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/place.h"

namespace sarovin {

// A name a place is known by besides its own: a former name ("Bombay"),
// an exonym ("Munich" for München) or the name in another language.
struct OtherName {
    std::uint32_t place = 0;  // its index among the places
    std::string name;
};

// One name of one place, as the search compares it.
struct NameEntry {
    std::uint32_t place = 0;
    std::uint32_t keyStart = 0;  // into the gazetteer's keys
    std::uint32_t keyLength = 0;
    std::uint32_t writtenStart = 0;   // into the gazetteer's other names
    std::uint32_t writtenLength = 0;  // 0 for the place's own name
};

// The places of an atlas and every name each is known by, the names held
// in the order of their search keys so that a prefix is a range of them
// and a part of a name one pass over their text.
class Gazetteer {
  public:
    Gazetteer() = default;
    // The places, each known by its own name and by `otherNames`, in any
    // order; an other name with the key of a name the place already has is
    // left out.
    Gazetteer(std::vector<Place> places, const std::vector<OtherName>& otherNames);

    std::span<const Place> Places() const { return places_; }
    std::span<const NameEntry> Names() const { return names_; }
    std::string_view KeyOf(const NameEntry& entry) const;
    // The other name written as the atlas has it; empty for the place's own.
    std::string_view WrittenOf(const NameEntry& entry) const;

    // The names whose key begins with `prefix`, in key order.
    std::span<const NameEntry> NamesBeginningWith(std::string_view prefix) const;
    // The names whose key holds `part` other than at its start, each once.
    std::vector<const NameEntry*> NamesContainingWithin(std::string_view part) const;

    // A gazetteer whose names are already in key order, with their keys
    // and other names laid out as the members below; for a saved index.
    static Gazetteer FromSorted(std::vector<Place> places, std::string keys, std::string written,
                                std::vector<NameEntry> names);

  private:
    std::vector<Place> places_;
    std::string keys_;     // each name's key followed by a line feed, in key order
    std::string written_;  // the other names as written, one after another
    std::vector<NameEntry> names_;
};

}  // namespace sarovin
