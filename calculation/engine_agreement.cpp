#include "calculation/engine_agreement.h"

#include "drishti/sign_names.h"

namespace sarovin {

namespace {

// "the Moon", "Mercury", "the N Node": the two lights and the nodes take
// the article in English prose.
std::string BodyInProse(int slot, const BodyEntry& entry) {
    const bool takesArticle = slot == Sun || slot == Moon || slot == NNode || slot == SNode;
    return (takesArticle ? "the " : "") + entry.englishName;
}

std::string_view SignName(const BodyEntry& entry) {
    return VedicSignNames[static_cast<std::size_t>(entry.place.sign)];
}

}  // namespace

std::vector<std::string> PrecisionWarnings(const Calculation& calculation) {
    if (calculation.sky.used.ephemeris != Ephemeris::BuiltIn) {
        return {};
    }
    const Result<Sky> swiss =
        ComputeSky(calculation.record, {Ephemeris::Swiss, calculation.sky.used.node});
    if (!swiss) {
        return {};
    }
    std::vector<std::string> warnings;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        const BodyEntry& builtIn = calculation.sky.bodies.entries[static_cast<std::size_t>(slot)];
        const BodyEntry& other = swiss->bodies.entries[static_cast<std::size_t>(slot)];
        if (builtIn.place.sign != other.place.sign) {
            warnings.push_back("The Swiss Ephemeris puts " + BodyInProse(slot, other) + " in " +
                               std::string(SignName(other)) + ", not " +
                               std::string(SignName(builtIn)));
        }
    }
    return warnings;
}

}  // namespace sarovin
