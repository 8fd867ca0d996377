#include "output/json_classical.h"

#include "text/virupas_text.h"

namespace sarovin {

namespace {

// The members every term opens with.
void WriteTerm(JsonWriter& json, int planet, bool benefic) {
    json.Key("benefic");
    json.Bool(benefic);
    json.Key("body");
    json.String(SlotNames[planet].englishName);
}

void WriteContributors(JsonWriter& json, const DrikBalaValue& value) {
    json.BeginArray();
    for (const DrikContribution& term : value.contributors) {
        json.BeginObject();
        WriteTerm(json, term.planet, term.benefic);
        json.Key("virupas");
        json.Number(RoundedVirupas(term.virupas));
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

void WriteClassicalGrid(JsonWriter& json, const ClassicalSputa& sputa) {
    json.BeginArray();
    for (int row = 0; row < BODY_COUNT; ++row) {
        if (row >= ASPECTING_PLANETS) {
            json.Null();
            continue;
        }
        json.BeginArray();
        for (const double virupas : sputa.grid[row]) {
            json.Number(RoundedVirupas(virupas));
        }
        json.EndArray();
    }
    json.EndArray();
}

void WriteClassicalLagna(JsonWriter& json, const ClassicalSputa& sputa) {
    if (!sputa.lagna) {
        json.Null();
        return;
    }
    json.BeginArray();
    for (const double virupas : sputa.lagna->virupas) {
        json.Number(RoundedVirupas(virupas));
    }
    json.EndArray();
}

void WriteDrikBala(JsonWriter& json, const std::optional<ClassicalStrengths>& classical) {
    if (!classical) {
        json.Null();
        return;
    }
    json.BeginArray();
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const DrikBalaValue& value = classical->drikBala[planet];
        json.BeginObject();
        WriteTerm(json, planet, value.benefic);
        json.Key("contributors");
        WriteContributors(json, value);
        json.Key("virupas");
        json.Number(RoundedVirupas(value.virupas));
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace sarovin
