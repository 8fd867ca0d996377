#pragma once

#include <array>
#include <string_view>

namespace sarovin {

// The sixteen divisions of a sign (vargas) of Brihat Parashara Hora
// Shastra, ch. 6 "Sixteen Divisions of a Sign" in R. Santhanam's translation,
// D1 first.
inline constexpr int VARGA_COUNT = 16;

struct VargaName {
    // "D9": the key the report tool and its JSON use.
    std::string_view key;
    // "Navamsa": the varga's own name.
    std::string_view name;
    // How many parts a sign is cut into.
    int parts;
};

inline constexpr std::array<VargaName, VARGA_COUNT> VargaNames = {{
    {"D1", "Rashi", 1},
    {"D2", "Hora", 2},
    {"D3", "Drekkana", 3},
    {"D4", "Chaturthamsa", 4},
    {"D7", "Saptamsa", 7},
    {"D9", "Navamsa", 9},
    {"D10", "Dasamsa", 10},
    {"D12", "Dwadasamsa", 12},
    {"D16", "Shodasamsa", 16},
    {"D20", "Vimsamsa", 20},
    {"D24", "Chaturvimsamsa", 24},
    {"D27", "Saptavimsamsa", 27},
    {"D30", "Trimsamsa", 30},
    {"D40", "Khavedamsa", 40},
    {"D45", "Akshavedamsa", 45},
    {"D60", "Shashtiamsa", 60},
}};

// The place of the Navamsa in VargaNames, the chart printed beside the D1.
inline constexpr int NAVAMSA = 5;

// The part of a sign a sidereal longitude stands in, for one varga: the
// varga sign it gives (0 is Mesha), and the sidereal longitudes where the
// part begins and ends (the end belongs to the next part).
struct VargaPart {
    int sign = 0;
    double start = 0;
    double end = 0;

    friend bool operator==(const VargaPart&, const VargaPart&) = default;
};

// The part of `longitude` (degrees, reduced to [0, 360)) in the varga at
// `varga` in VargaNames.
VargaPart VargaPartOf(int varga, double longitude);

// The longitude a body has in the varga chart: the varga sign, with the
// way through its part stretched over the sign's thirty degrees.
double VargaLongitude(const VargaPart& part, double longitude);

}  // namespace sarovin
