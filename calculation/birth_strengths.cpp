#include "calculation/birth_strengths.h"

#include "swiss/sun_day.h"

namespace sarovin {

namespace {

ShadbalaInputs InputsOf(const Sky& sky, const ClassicalStrengths& classical, const Houses& houses,
                        const SunDay& sunDay) {
    ShadbalaInputs inputs;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        inputs.longitudes[planet] = sky.bodies.entries[planet].longitude;
    }
    inputs.lagna = *sky.lagna;
    for (int house = 0; house < HOUSES; ++house) {
        inputs.madhyas[house] = houses.list[house].bounds.madhya;
    }
    inputs.ayanamsa = sky.ayanamsa;
    const SwissRequest& request = *sky.swissRequest;
    inputs.day = {request.julianDayUt, sunDay.sunrise, sunDay.sunset, sunDay.nextSunrise,
                  request.longitudeDegrees};
    inputs.benefic = BeneficPlanets(sky.bodies);
    inputs.drik = classical.drikBala;
    return inputs;
}

}  // namespace

std::optional<BirthStrengths> ComputeBirthStrengths(const Sky& sky, const DrishtiReport& report,
                                                    const std::optional<Houses>& houses) {
    if (!report.classical || !houses || !sky.lagna || !sky.swissRequest) {
        return std::nullopt;
    }
    const Result<SunDay> sunDay = ComputeSunDay(*sky.swissRequest);
    if (!sunDay) {
        return std::nullopt;
    }
    BirthStrengths strengths;
    strengths.shadbala =
        ComputeShadbala(InputsOf(sky, *report.classical, *houses, *sunDay), sky.used.strengthRules);
    strengths.bhavaBala = ComputeBhavaBala(*houses, strengths.shadbala);
    return strengths;
}

}  // namespace sarovin
