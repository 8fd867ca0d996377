#include "cli/varga_option.h"

#include <algorithm>
#include <bitset>
#include <cctype>

#include "text/printable_text.h"
#include "vargas/varga_rules.h"

namespace sarovin {

namespace {

constexpr std::string_view ALL_VARGAS = "all";
constexpr char SEPARATOR = ',';

bool SameKey(std::string_view written, std::string_view key) {
    return std::equal(written.begin(), written.end(), key.begin(), key.end(),
                      [](char first, char second) {
                          return std::toupper(static_cast<unsigned char>(first)) ==
                                 std::toupper(static_cast<unsigned char>(second));
                      });
}

int VargaOf(std::string_view key) {
    const auto found =
        std::find_if(VargaNames.begin(), VargaNames.end(),
                     [key](const VargaName& name) { return SameKey(key, name.key); });
    return found == VargaNames.end() ? -1 : static_cast<int>(found - VargaNames.begin());
}

std::string KnownKeys() {
    std::string keys;
    for (const VargaName& name : VargaNames) {
        keys += std::string(name.key) + ", ";
    }
    return keys + std::string(ALL_VARGAS);
}

// Sets the vargas of the comma-separated keys of `text`, in any case, "all"
// setting every one; gives what is wrong when a key is unknown.
Result<Done> ReadKeys(std::string_view text, std::bitset<VARGA_COUNT>& named) {
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find(SEPARATOR, start), text.size());
        const std::string_view key = text.substr(start, end - start);
        const int varga = VargaOf(key);
        if (SameKey(key, ALL_VARGAS)) {
            named.set();
        } else if (varga < 0) {
            return RefuseWith("unknown varga '" + PrintableText(key) + "' in --vargas: give " +
                              KnownKeys());
        } else {
            named.set(static_cast<std::size_t>(varga));
        }
        if (end == text.size()) {
            return Done{};
        }
        start = end + 1;
    }
}

}  // namespace

Result<std::vector<int>> ReadVargaList(std::string_view text) {
    std::bitset<VARGA_COUNT> named;
    if (Result<Done> read = ReadKeys(text, named); !read) {
        return read.refusal();
    }
    std::vector<int> vargas;
    for (int varga = 0; varga < VARGA_COUNT; ++varga) {
        if (named.test(static_cast<std::size_t>(varga))) {
            vargas.push_back(varga);
        }
    }
    return vargas;
}

}  // namespace sarovin
