#include "cli/strength_rules_option.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <functional>
#include <string>

#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr char SEPARATOR = ',';
constexpr char EQUALS = '=';

// A fork: its name, its two readings (Raman's first) and where the choice
// goes.
struct Fork {
    std::string_view name;
    std::array<std::string_view, 2> readings;
    std::function<void(StrengthRules&, bool alternative)> choose;
};

const std::array<Fork, 8>& Forks() {
    static const std::array<Fork, 8> forks = {{
        {"dig-arc",
         {DigArcName(DigArc::Folded), DigArcName(DigArc::Unfolded)},
         [](StrengthRules& rules, bool other) {
             rules.digArc = other ? DigArc::Unfolded : DigArc::Folded;
         }},
        {"dig-points",
         {DigPointsName(DigPoints::Madhyas), DigPointsName(DigPoints::LagnaKendras)},
         [](StrengthRules& rules, bool other) {
             rules.digPoints = other ? DigPoints::LagnaKendras : DigPoints::Madhyas;
         }},
        {"cheshta-means",
         {CheshtaMeansName(CheshtaMeans::EpochTables),
          CheshtaMeansName(CheshtaMeans::ModernElements)},
         [](StrengthRules& rules, bool other) {
             rules.cheshtaMeans = other ? CheshtaMeans::ModernElements : CheshtaMeans::EpochTables;
         }},
        {"luminary-cheshta",
         {LuminaryCheshtaName(LuminaryCheshta::None),
          LuminaryCheshtaName(LuminaryCheshta::AyanaAndPaksha)},
         [](StrengthRules& rules, bool other) {
             rules.luminaryCheshta =
                 other ? LuminaryCheshta::AyanaAndPaksha : LuminaryCheshta::None;
         }},
        {"sun-ayana",
         {"doubled", "single"},
         [](StrengthRules& rules, bool other) { rules.sunAyanaDoubled = !other; }},
        {"yuddha",
         {"applied", "not-applied"},
         [](StrengthRules& rules, bool other) { rules.yuddha = !other; }},
        {"moolatrikona",
         {MoolatrikonaName(Moolatrikona::ByDegrees), MoolatrikonaName(Moolatrikona::WholeSign)},
         [](StrengthRules& rules, bool other) {
             rules.moolatrikona = other ? Moolatrikona::WholeSign : Moolatrikona::ByDegrees;
         }},
        {"required-rupas",
         {RequiredRupasName(RequiredRupas::Raman), RequiredRupasName(RequiredRupas::Parashara)},
         [](StrengthRules& rules, bool other) {
             rules.requiredRupas = other ? RequiredRupas::Parashara : RequiredRupas::Raman;
         }},
    }};
    return forks;
}

std::string KnownForks() {
    std::string text;
    for (const Fork& fork : Forks()) {
        text += (text.empty() ? "" : ", ") + std::string(fork.name) + "=" +
                std::string(fork.readings[0]) + "|" + std::string(fork.readings[1]);
    }
    return text;
}

}  // namespace

Result<StrengthRules> ReadStrengthRules(std::string_view text) {
    StrengthRules rules = RAMAN_STRENGTH_RULES;
    std::bitset<8> named;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(SEPARATOR, start), text.size());
        const std::string_view written = text.substr(start, end - start);
        const std::size_t equals = written.find(EQUALS);
        const std::string_view name = written.substr(0, equals);
        const std::string_view reading =
            equals == std::string_view::npos ? std::string_view() : written.substr(equals + 1);
        const auto& forks = Forks();
        const auto fork = std::find_if(forks.begin(), forks.end(),
                                       [name](const Fork& known) { return known.name == name; });
        if (fork == forks.end() || (reading != fork->readings[0] && reading != fork->readings[1])) {
            return RefuseWith("bad entry '" + PrintableText(written) +
                              "' in --strength-rules: give " + KnownForks());
        }
        const auto place = static_cast<std::size_t>(fork - forks.begin());
        if (named.test(place)) {
            return RefuseWith("--strength-rules names " + std::string(name) + " twice");
        }
        named.set(place);
        fork->choose(rules, reading == fork->readings[1]);
        start = end + 1;
    }
    return rules;
}

}  // namespace sarovin
