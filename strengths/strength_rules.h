#pragma once

#include <string_view>

namespace sarovin {

// Where the authors of the Shadbala differ, the reading taken. The first
// value of each choice is B. V. Raman's, "Graha and Bhava Balas"; the
// second the reading of Brihat Parashara Hora Shastra (R. Santhanam's
// translation, ch. 27 "Evaluation of Strengths") or a modern one where
// named.

// Dig Bala's arc from the point of no strength: folded at 180 degrees, as
// both texts state the rule; or unfolded, as Raman's worked example takes
// Mars (64.30 virupas, above the 60 the rule allows).
enum class DigArc { Folded, Unfolded };

// Dig Bala's points of no strength: the madhyas of the 4th, 7th, 10th and
// 1st houses (Raman), or the Lagna's degree and the points 90, 180 and 270
// degrees from it (the kendras of the Lagna degree).
enum class DigPoints { Madhyas, LagnaKendras };

// Cheshta Bala's mean longitudes: Raman's tables of mean motion counted
// from his epoch at Ujjain, 1 January 1900, with his corrections; or the
// modern mean elements (J. Meeus, "Astronomical Algorithms", ch. 31).
enum class CheshtaMeans { EpochTables, ModernElements };

// The Sun and the Moon have no Cheshta Kendra. Raman gives them no Cheshta
// Bala, the Moon's Paksha Bala doubled standing for it; the Parashara
// reading counts the Sun's Ayana Bala and the Moon's Paksha Bala once in
// the Kala Bala and once more as their Cheshta Bala.
enum class LuminaryCheshta { None, AyanaAndPaksha };

// Moolatrikona in the Rasi for the degrees of the sign the texts give it
// (Brihat Parashara Hora Shastra, ch. 3), or for the whole sign.
enum class Moolatrikona { ByDegrees, WholeSign };

// The rupas each planet needs to count as strong: Raman's (the Sun 6.5) or
// Parashara's (the Sun 5).
enum class RequiredRupas { Raman, Parashara };

struct StrengthRules {
    DigArc digArc = DigArc::Folded;
    DigPoints digPoints = DigPoints::Madhyas;
    CheshtaMeans cheshtaMeans = CheshtaMeans::EpochTables;
    LuminaryCheshta luminaryCheshta = LuminaryCheshta::None;
    // Whether the Sun's Ayana Bala is doubled (Raman, ch. V) or counted
    // once.
    bool sunAyanaDoubled = true;
    // Whether two of Mars to Saturn within a degree of each other fight a
    // planetary war (Graha Yuddha) whose winner takes Yuddha Bala from
    // the loser.
    bool yuddha = true;
    Moolatrikona moolatrikona = Moolatrikona::ByDegrees;
    RequiredRupas requiredRupas = RequiredRupas::Raman;

    friend bool operator==(const StrengthRules&, const StrengthRules&) = default;
};

// Raman's "Graha and Bhava Balas" in every choice.
inline constexpr StrengthRules RAMAN_STRENGTH_RULES{};

// The name of each choice, as the tool and the JSON spell it.
std::string_view DigArcName(DigArc arc);
std::string_view DigPointsName(DigPoints points);
std::string_view CheshtaMeansName(CheshtaMeans means);
std::string_view LuminaryCheshtaName(LuminaryCheshta cheshta);
std::string_view MoolatrikonaName(Moolatrikona span);
std::string_view RequiredRupasName(RequiredRupas rupas);

}  // namespace sarovin
