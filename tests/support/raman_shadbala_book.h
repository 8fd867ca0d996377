#pragma once

#include <array>
#include <string_view>

namespace sarovin::testing {

// B. V. Raman, "Graha and Bhava Balas", the Shadbala of his standard
// horoscope: each figure by the JSON member that holds it (a group, or
// none, and a key) and the book's values for the Sun, Moon, Mars, Mercury,
// Jupiter, Venus and Saturn (the book's order).
struct BookFigure {
    std::string_view group;
    std::string_view key;
    std::array<double, 7> book;
};

inline constexpr std::array<std::string_view, 7> BOOK_PLANETS = {
    "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};

inline constexpr BookFigure RAMAN_SHADBALA[] = {
    {"sthana", "uchcha", {3.00, 32.75, 37.06, 54.50, 56.33, 1.95, 34.80}},
    {"sthana", "saptavargaja", {90, 48.75, 90, 135, 71.25, 116.25, 97.5}},
    {"sthana", "ojayugma", {30, 15, 15, 30, 15, 30, 15}},
    {"sthana", "kendradi", {60, 30, 30, 60, 15, 15, 30}},
    {"sthana", "drekkana", {15, 0, 0, 0, 0, 15, 0}},
    {"", "dig", {48.10, 31.56, 64.30, 21.09, 11.50, 15.15, 58.02}},
    {"kala", "nathonnata", {48.32, 11.68, 11.68, 60, 48.32, 48.32, 11.68}},
    {"kala", "paksha", {16.54, 86.92, 16.54, 16.54, 43.46, 43.46, 16.54}},
    {"kala", "tribhaga", {0, 0, 0, 0, 60, 0, 60}},
    {"kala", "abda", {0, 0, 0, 0, 0, 0, 15}},
    {"kala", "masa", {0, 0, 0, 30, 0, 0, 0}},
    {"kala", "vara", {0, 0, 0, 45, 0, 0, 0}},
    {"kala", "hora", {0, 60, 0, 0, 0, 0, 0}},
    {"kala", "ayana", {38.12, 43.44, 1.84, 41.25, 59.40, 23.75, 13.75}},
    {"kala", "yuddha", {0, 0, 0, 0, 0, 0, 0}},
    {"kala", "total", {102.98, 202.04, 30.06, 192.79, 211.18, 115.53, 116.97}},
    {"", "cheshta", {0, 0, 22.23, 2.30, 35.26, 5.95, 21.14}},
    {"", "naisargika", {60, 51.43, 17.14, 25.70, 34.28, 42.85, 8.57}},
    {"", "drik", {15.86, -21.73, 0.95, 15.64, -16.04, 18.47, 7.21}},
};

// Where the book's own working slips: the figure that follows from its
// rule and data, and why.
struct BookSlip {
    std::string_view key;
    std::string_view planet;
    double worked;
    std::string_view reason;
};

inline constexpr BookSlip RAMAN_SLIPS[] = {
    {"uchcha", "Mars", 37.17,
     "229°30'34\" less the debilitation point 118° is 111.51°, a third of it 37.17"},
    {"dig", "Mars", 55.70,
     "the book takes the arc from the 4th madhya unfolded (192.91°, 64.30 above the 60 the rule "
     "allows); folded it is 167.09°, 55.70"},
    {"dig", "Mercury", 21.03,
     "181°31'34\" less the 7th madhya 118°27' is 63.08°, a third of it 21.03; the book's 21.09 "
     "takes the madhya as 118.27°"},
    {"ayana", "Jupiter", 58.86,
     "sayana 105°17' is 74°43' from the equinox: kranti 1238' + 14°43' x 150' / 15° = 23°05' N, "
     "(24 + 23.09) x 1.25 = 58.86"},
    {"ayana", "Mars", 1.96,
     "sayana 250°47' is 70°47' from the equinox: kranti 1238' + 10°47' x 150' / 15° = 22°26' S, "
     "(24 - 22.43) x 1.25 = 1.96; the book's 1.84 needs a kranti of 22°32'"},
    {"ayana", "Saturn", 13.55,
     "sayana 145°39' is 34°21' from the equinox: kranti 703' + 4°21' x 299' / 15° = 13°10' N, "
     "(24 - 13.16) x 1.25 = 13.55; the book's 13.75 needs a kranti of 13°00'"},
    {"total", "Mars", 30.19, "the Kala Bala with the Ayana Bala 1.96"},
    {"total", "Jupiter", 210.64, "the Kala Bala with the Ayana Bala 58.86"},
    {"total", "Saturn", 116.77, "the Kala Bala with the Ayana Bala 13.55"},
};

// The figure expected of `planet` (by its English name) in row `figure`:
// the book's, or the worked one where the book slips; and why.
struct Expected {
    double value;
    std::string_view why;
};

inline Expected ExpectedFigure(const BookFigure& figure, std::size_t column) {
    for (const BookSlip& slip : RAMAN_SLIPS) {
        if (slip.key == figure.key && slip.planet == BOOK_PLANETS[column]) {
            return {slip.worked, slip.reason};
        }
    }
    return {figure.book[column], "the book"};
}

}  // namespace sarovin::testing
