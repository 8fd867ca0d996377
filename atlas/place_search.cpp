#include "atlas/place_search.h"

#include <fstream>
#include <string>

#include "atlas/place_index.h"
#include "atlas/place_matching.h"

namespace sarovin {

namespace {

// Where the place index lies: installed with the program, or, in a build
// folder the program is run from before it is installed, made there.
constexpr const char* INDEX_PATHS[] = {
#ifdef SAROVIN_BUILT_PLACE_INDEX
    SAROVIN_BUILT_PLACE_INDEX,
#endif
    SAROVIN_PLACE_INDEX,
};

Gazetteer ReadAtlas() {
    for (const char* path : INDEX_PATHS) {
        std::ifstream file(path, std::ios::binary | std::ios::ate);
        if (!file) {
            continue;
        }
        std::string text(static_cast<std::size_t>(file.tellg()), '\0');
        file.seekg(0);
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
        Result<Gazetteer> atlas = ReadPlaceIndex(text);
        if (atlas) {
            return std::move(*atlas);
        }
    }
    return {};
}

}  // namespace

const Gazetteer& KnownAtlas() {
    static const Gazetteer atlas = ReadAtlas();
    return atlas;
}

std::span<const Place> KnownPlaces() {
    return KnownAtlas().Places();
}

std::vector<Place> FindPlaces(std::string_view text, std::size_t limit) {
    return SearchAtlas(KnownAtlas(), text, limit);
}

Result<Place> ResolvePlace(std::string_view query) {
    return ResolveInAtlas(KnownAtlas(), query);
}

}  // namespace sarovin
