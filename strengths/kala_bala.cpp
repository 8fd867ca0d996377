#include "strengths/kala_bala.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/body_slot.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr const char* SOURCE =
    "B. V. Raman, Graha and Bhava Balas, ch. V; Brihat Parashara Hora Shastra, ch. 27";
constexpr double HALF_CIRCLE = 180;
constexpr double QUARTER_CIRCLE = 90;
constexpr double FULL = 60;
constexpr double HOURS_PER_DAY = 24;
constexpr double HALF_DAY_HOURS = 12;

BalaWorking Lone(std::vector<WorkingFigure> inputs, std::string rule, const char* name,
                 double virupas) {
    return SumWorking(std::move(inputs), std::move(rule), SOURCE, {{name, virupas}});
}

// The Sun, Jupiter and Venus are strong at midday, the Moon, Mars and
// Saturn at midnight, Mercury always: 60 virupas at their time, falling
// evenly to 0 twelve hours away. Midday is halfway from sunrise to sunset,
// midnight halfway from sunset to the next sunrise.
BalaWorking Nathonnata(int planet, const BirthDay& day) {
    if (planet == Mercury) {
        return Lone({}, "Mercury is strong day and night", "always", FULL);
    }
    const bool byDay = day.birth < day.sunset;
    const double middle =
        byDay ? (day.sunrise + day.sunset) / 2 : (day.sunset + day.nextSunrise) / 2;
    const double hours = std::abs(day.birth - middle) * HOURS_PER_DAY;
    const double dayStrength = FULL * (byDay ? 1 - hours / HALF_DAY_HOURS : hours / HALF_DAY_HOURS);
    const bool dayPlanet = planet == Sun || planet == Jupiter || planet == Venus;
    const double virupas = dayPlanet ? dayStrength : FULL - dayStrength;
    return Lone({{byDay ? "hours from midday" : "hours from midnight", hours}},
                dayPlanet ? "60 at midday, 0 at midnight" : "60 at midnight, 0 at midday",
                "by the hour", virupas);
}

// The arc from the Sun to the Moon, folded at 180 degrees, over 3 for a
// benefic and 60 less that for a malefic; the Moon takes the benefic's
// share, doubled where it stands for the Moon's Cheshta (LuminaryCheshta).
BalaWorking Paksha(int planet, const ShadbalaInputs& inputs, const StrengthRules& rules) {
    const double elongation = AspectAngle(inputs.longitudes[Sun], inputs.longitudes[Moon]);
    const double arc = HALF_CIRCLE - std::abs(elongation - HALF_CIRCLE);
    std::vector<WorkingFigure> figures = {{"arc from the Sun to the Moon", arc}};
    if (planet == Moon) {
        const bool doubled = rules.luminaryCheshta == LuminaryCheshta::None;
        std::vector<WorkingFigure> terms = {{"arc / 3", arc / 3}};
        if (doubled) {
            terms.push_back({"doubled", arc / 3});
        }
        return SumWorking(std::move(figures),
                          doubled ? "the Moon: arc / 3, doubled (Raman)" : "the Moon: arc / 3",
                          SOURCE, std::move(terms));
    }
    if (inputs.benefic[planet]) {
        return Lone(std::move(figures), "a benefic: arc / 3", "arc / 3", arc / 3);
    }
    return Lone(std::move(figures), "a malefic: 60 - arc / 3", "60 - arc / 3", FULL - arc / 3);
}

// Jupiter is always strong; Mercury, the Sun and Saturn in the first,
// second and last third of the day; the Moon, Venus and Mars in those of
// the night.
BalaWorking Tribhaga(int planet, const BirthDay& day) {
    const bool byDay = day.birth < day.sunset;
    const double start = byDay ? day.sunrise : day.sunset;
    const double end = byDay ? day.sunset : day.nextSunrise;
    const int third = std::clamp(static_cast<int>((day.birth - start) / (end - start) * 3), 0, 2);
    const std::array<int, 3> lords =
        byDay ? std::array<int, 3>{Mercury, Sun, Saturn} : std::array<int, 3>{Moon, Venus, Mars};
    const bool strong = planet == Jupiter || lords[static_cast<std::size_t>(third)] == planet;
    return Lone({{byDay ? "third of the day" : "third of the night", third + 1.0}},
                "60 to the lord of the third, and to Jupiter always", "lord of the third",
                strong ? FULL : 0);
}

BalaWorking LordShare(int planet, int lord, double virupas, const char* rule) {
    return Lone({{"lord", static_cast<double>(lord)}}, rule, "lord", planet == lord ? virupas : 0);
}

}  // namespace

// Raman's table of declinations: the arc minutes gained in each 15 degrees
// of the distance (bhuja) from the nearer equinox, 24 degrees in all.
double Kranti(double tropicalLongitude) {
    constexpr std::array<double, 6> MINUTES_PER_STEP = {362, 341, 299, 236, 150, 52};
    constexpr double STEP = 15;
    const double longitude = ZodiacDegrees(tropicalLongitude);
    const double fromEquinox = std::fmod(longitude, HALF_CIRCLE);
    const double bhuja = fromEquinox <= QUARTER_CIRCLE ? fromEquinox : HALF_CIRCLE - fromEquinox;
    double minutes = 0;
    for (std::size_t step = 0; step < MINUTES_PER_STEP.size(); ++step) {
        const double within = std::clamp(bhuja - STEP * static_cast<double>(step), 0.0, STEP);
        minutes += MINUTES_PER_STEP[step] * within / STEP;
    }
    const double degrees = minutes / 60;
    return longitude < HALF_CIRCLE ? degrees : -degrees;
}

namespace {

// (24 degrees plus or less the declination) x 60 / 48: the Sun, Mars,
// Jupiter and Venus gain from a northern declination, the Moon and Saturn
// from a southern, Mercury from either. The Sun's is doubled by Raman's
// reading (sunAyanaDoubled).
BalaWorking Ayana(int planet, const ShadbalaInputs& inputs, const StrengthRules& rules) {
    constexpr double GREATEST = 24;
    constexpr double VIRUPAS_PER_DEGREE = 60.0 / 48;
    const double tropical = inputs.longitudes[planet] + inputs.ayanamsa;
    const double kranti = Kranti(tropical);
    const bool southern = planet == Moon || planet == Saturn;
    const double gain = planet == Mercury ? std::abs(kranti) : southern ? -kranti : kranti;
    const double share = (GREATEST + gain) * VIRUPAS_PER_DEGREE;
    std::vector<WorkingFigure> terms = {{"(24 + kranti) x 60 / 48", share}};
    if (planet == Sun && rules.sunAyanaDoubled) {
        terms.push_back({"doubled", share});
    }
    return SumWorking({{"tropical longitude", tropical}, {"kranti", kranti}},
                      "(24 + kranti, counted as a gain or a loss) x 60 / 48", SOURCE,
                      std::move(terms));
}

}  // namespace

double KalaTotal(const KalaBala& kala) {
    return kala.nathonnata.virupas + kala.paksha.virupas + kala.tribhaga.virupas +
           kala.abda.virupas + kala.masa.virupas + kala.vara.virupas + kala.hora.virupas +
           kala.ayana.virupas + kala.yuddha.virupas;
}

std::array<KalaBala, ASPECTING_PLANETS> ComputeKalaBala(const ShadbalaInputs& inputs,
                                                        const DayLords& lords,
                                                        const StrengthRules& rules) {
    std::array<KalaBala, ASPECTING_PLANETS> bala{};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        KalaBala& kala = bala[planet];
        kala.nathonnata = Nathonnata(planet, inputs.day);
        kala.paksha = Paksha(planet, inputs, rules);
        kala.tribhaga = Tribhaga(planet, inputs.day);
        kala.abda = LordShare(planet, lords.yearLord, 15, "15 to the lord of the year");
        kala.masa = LordShare(planet, lords.monthLord, 30, "30 to the lord of the month");
        kala.vara = LordShare(planet, lords.weekdayLord, 45, "45 to the lord of the weekday");
        kala.hora = LordShare(planet, lords.horaLord, 60, "60 to the lord of the hour");
        kala.ayana = Ayana(planet, inputs, rules);
        kala.yuddha = Lone({}, "no planetary war", "none", 0);
        kala.virupas = KalaTotal(kala);
    }
    return bala;
}

}  // namespace sarovin
