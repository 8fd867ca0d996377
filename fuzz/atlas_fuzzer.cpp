// Any text as a place search and as a --place query over the whole atlas:
// the search keeps to its limit and returns places whose name, or the
// other name they were found by, holds the first word of the text's key
// (the rest may name the region or country); a query resolves to a place written that way or is
// refused with a message that starts no line of its own before its candidates.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "atlas/place_search.h"
#include "atlas/search_key.h"

namespace {

constexpr std::size_t LIMIT = 20;

void Fail(const char* why) {
    std::fprintf(stderr, "atlas_fuzzer: %s\n", why);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sarovin;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string key = SearchKey(text);
    const std::string firstWord = key.substr(0, key.find_first_of(" ,"));
    for (const Place& place : FindPlaces(text, LIMIT)) {
        const std::string& name = place.otherName.empty() ? place.name : place.otherName;
        if (SearchKey(name).find(firstWord) == std::string::npos) {
            Fail("a place found whose name does not hold the text's first word");
        }
    }
    if (FindPlaces(text, LIMIT).size() > LIMIT) {
        Fail("more places than the limit");
    }
    const Result<Place> resolved = ResolvePlace(text);
    if (!resolved) {
        const std::string& message = resolved.refusal().message;
        const std::size_t firstLine = message.find('\n');
        const std::string_view head = std::string_view(message).substr(0, firstLine);
        if (head.find_first_of("\r\x1b") != std::string_view::npos) {
            Fail("a control character of the query reached the refusal");
        }
    }
    return 0;
}
