#include "vargas/varga_rules.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

// A longitude this close below an edge, in parts, counts as on it: 3°20',
// 6°40' and the like have no exact double, and the nearest one may fall a
// hair short of the edge it stands for. A billionth of a part is far below
// a second of arc.
constexpr double EDGE_TOLERANCE = 1e-9;

// Mesha, the first sign, is odd; movable, fixed and dual follow in turn,
// and fiery, earthy, airy and watery.
bool IsOdd(int sign) {
    return sign % 2 == 0;
}
int ByModality(int sign, int movable, int fixed, int dual) {
    const std::array<int, 3> starts = {movable, fixed, dual};
    return starts[static_cast<std::size_t>(sign % 3)];
}
int ByElement(int sign, int fiery, int earthy, int airy, int watery) {
    const std::array<int, 4> starts = {fiery, earthy, airy, watery};
    return starts[static_cast<std::size_t>(sign % 4)];
}

constexpr int MESHA = 0;
constexpr int VRISHABHA = 1;
constexpr int MITHUNA = 2;
constexpr int KATAKA = 3;
constexpr int SIMHA = 4;
constexpr int KANYA = 5;
constexpr int THULA = 6;
constexpr int VRISCHIKA = 7;
constexpr int DHANUS = 8;
constexpr int MAKARA = 9;
constexpr int KUMBHA = 10;
constexpr int MEENA = 11;

// A part of unequal width and the sign it gives.
struct UnequalPart {
    double degrees;
    int sign;
};

// Parashara's Hora (not the cyclic hora some programs offer): in an odd
// sign the first fifteen degrees are the Sun's (Simha), the rest the
// Moon's (Kataka); in an even sign the Moon's come first.
constexpr std::array<UnequalPart, 2> HORA_ODD = {{{15, SIMHA}, {15, KATAKA}}};
constexpr std::array<UnequalPart, 2> HORA_EVEN = {{{15, KATAKA}, {15, SIMHA}}};
// Parashara's Trimsamsa of unequal parts ruled by the five planets: in an
// odd sign Mars 5°, Saturn 5°, Jupiter 8°, Mercury 7°, Venus 5°, giving
// their odd signs; in an even sign the order reversed, giving their even
// signs.
constexpr std::array<UnequalPart, 5> TRIMSAMSA_ODD = {
    {{5, MESHA}, {5, KUMBHA}, {8, DHANUS}, {7, MITHUNA}, {5, THULA}}};
constexpr std::array<UnequalPart, 5> TRIMSAMSA_EVEN = {
    {{5, VRISHABHA}, {7, KANYA}, {8, MEENA}, {5, MAKARA}, {5, VRISCHIKA}}};

// Equal parts give the signs from `first(sign)` on, `step` signs apart;
// parts of unequal width are listed for odd and even signs.
struct VargaRule {
    int step = 1;
    int (*first)(int sign) = nullptr;
    std::span<const UnequalPart> odd;
    std::span<const UnequalPart> even;
};

// The rules of Brihat Parashara Hora Shastra, ch. 6, in VargaNames' order.
const std::array<VargaRule, VARGA_COUNT> VARGA_RULES = {{
    // D1: the sign itself.
    {1, [](int sign) { return sign; }, {}, {}},
    // D2 Hora.
    {1, nullptr, HORA_ODD, HORA_EVEN},
    // D3 Drekkana: the sign, its 5th and its 9th.
    {4, [](int sign) { return sign; }, {}, {}},
    // D4 Chaturthamsa: the sign, its 4th, 7th and 10th.
    {3, [](int sign) { return sign; }, {}, {}},
    // D7 Saptamsa: from the sign in odd signs, from its 7th in even signs.
    {1, [](int sign) { return IsOdd(sign) ? sign : sign + 6; }, {}, {}},
    // D9 Navamsa: from the sign in movable signs, its 9th in fixed, its
    // 5th in dual; the same as floor(longitude / 3°20') mod 12.
    {1, [](int sign) { return ByModality(sign, sign, sign + 8, sign + 4); }, {}, {}},
    // D10 Dasamsa: from the sign in odd signs, from its 9th in even signs.
    {1, [](int sign) { return IsOdd(sign) ? sign : sign + 8; }, {}, {}},
    // D12 Dwadasamsa: from the sign.
    {1, [](int sign) { return sign; }, {}, {}},
    // D16 Shodasamsa: movable signs from Mesha, fixed from Simha, dual from
    // Dhanus.
    {1, [](int sign) { return ByModality(sign, MESHA, SIMHA, DHANUS); }, {}, {}},
    // D20 Vimsamsa: movable signs from Mesha, fixed from Dhanus, dual from
    // Simha.
    {1, [](int sign) { return ByModality(sign, MESHA, DHANUS, SIMHA); }, {}, {}},
    // D24 Chaturvimsamsa (Siddhamsa): odd signs from Simha, even from
    // Kataka.
    {1, [](int sign) { return IsOdd(sign) ? SIMHA : KATAKA; }, {}, {}},
    // D27 Saptavimsamsa (Bhamsa): fiery signs from Mesha, earthy from
    // Kataka, airy from Thula, watery from Makara.
    {1, [](int sign) { return ByElement(sign, MESHA, KATAKA, THULA, MAKARA); }, {}, {}},
    // D30 Trimsamsa.
    {1, nullptr, TRIMSAMSA_ODD, TRIMSAMSA_EVEN},
    // D40 Khavedamsa: odd signs from Mesha, even from Thula.
    {1, [](int sign) { return IsOdd(sign) ? MESHA : THULA; }, {}, {}},
    // D45 Akshavedamsa: movable signs from Mesha, fixed from Simha, dual
    // from Dhanus.
    {1, [](int sign) { return ByModality(sign, MESHA, SIMHA, DHANUS); }, {}, {}},
    // D60 Shashtiamsa: from the sign itself.
    {1, [](int sign) { return sign; }, {}, {}},
}};

VargaPart EqualPart(const VargaRule& rule, int parts, int sign, double degree) {
    const int index = std::min(
        static_cast<int>(std::floor(degree * parts / SIGN_WIDTH + EDGE_TOLERANCE)), parts - 1);
    const double signStart = sign * SIGN_WIDTH;
    return {(rule.first(sign) + rule.step * index) % SIGN_COUNT,
            signStart + index * SIGN_WIDTH / parts, signStart + (index + 1) * SIGN_WIDTH / parts};
}

VargaPart UnequalPartOf(std::span<const UnequalPart> parts, int sign, double degree) {
    double start = sign * SIGN_WIDTH;
    const double inSign = start + degree;
    for (const UnequalPart& part : parts.first(parts.size() - 1)) {
        if (inSign < start + part.degrees) {
            return {part.sign, start, start + part.degrees};
        }
        start += part.degrees;
    }
    return {parts.back().sign, start, (sign + 1) * SIGN_WIDTH};
}

}  // namespace

VargaPart VargaPartOf(int varga, double longitude) {
    const int sign = SignOf(longitude);
    const double degree = DegreesInSign(longitude);
    const VargaRule& rule = VARGA_RULES[static_cast<std::size_t>(varga)];
    if (!rule.first) {
        return UnequalPartOf(IsOdd(sign) ? rule.odd : rule.even, sign, degree);
    }
    return EqualPart(rule, VargaNames[static_cast<std::size_t>(varga)].parts, sign, degree);
}

double VargaLongitude(const VargaPart& part, double longitude) {
    const double through = (ZodiacDegrees(longitude) - part.start) / (part.end - part.start);
    // Kept inside the varga sign when rounding would carry it to the next.
    const double inSign = std::clamp(through * SIGN_WIDTH, 0.0, std::nextafter(SIGN_WIDTH, 0.0));
    return part.sign * SIGN_WIDTH + inSign;
}

}  // namespace sarovin
