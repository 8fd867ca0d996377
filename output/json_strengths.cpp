#include "output/json_strengths.h"

#include <string_view>

#include "text/virupas_text.h"

namespace sarovin {

namespace {

void WriteVirupas(JsonWriter& json, std::string_view key, double virupas) {
    json.Key(key);
    json.Number(RoundedVirupas(virupas));
}

void WriteKala(JsonWriter& json, const KalaBala& kala) {
    json.BeginObject();
    WriteVirupas(json, "abda", kala.abda.virupas);
    WriteVirupas(json, "ayana", kala.ayana.virupas);
    WriteVirupas(json, "hora", kala.hora.virupas);
    WriteVirupas(json, "masa", kala.masa.virupas);
    WriteVirupas(json, "nathonnata", kala.nathonnata.virupas);
    WriteVirupas(json, "paksha", kala.paksha.virupas);
    WriteVirupas(json, "total", kala.virupas);
    WriteVirupas(json, "tribhaga", kala.tribhaga.virupas);
    WriteVirupas(json, "vara", kala.vara.virupas);
    WriteVirupas(json, "yuddha", kala.yuddha.virupas);
    json.EndObject();
}

void WriteSthana(JsonWriter& json, const SthanaBala& sthana) {
    json.BeginObject();
    WriteVirupas(json, "drekkana", sthana.drekkana.virupas);
    WriteVirupas(json, "kendradi", sthana.kendradi.virupas);
    WriteVirupas(json, "ojayugma", sthana.ojayugma.virupas);
    WriteVirupas(json, "saptavargaja", sthana.saptavargaja.virupas);
    WriteVirupas(json, "total", sthana.virupas);
    WriteVirupas(json, "uchcha", sthana.uchcha.virupas);
    json.EndObject();
}

void WritePlanet(JsonWriter& json, const PlanetShadbala& bala) {
    json.BeginObject();
    json.Key("body");
    json.String(SlotNames[static_cast<std::size_t>(bala.planet)].englishName);
    WriteVirupas(json, "cheshta", bala.cheshta.virupas);
    WriteVirupas(json, "dig", bala.dig.virupas);
    WriteVirupas(json, "drik", bala.drik.virupas);
    WriteVirupas(json, "ishta", bala.ishta.virupas);
    json.Key("kala");
    WriteKala(json, bala.kala);
    WriteVirupas(json, "kashta", bala.kashta.virupas);
    WriteVirupas(json, "naisargika", bala.naisargika.virupas);
    WriteVirupas(json, "ratio", bala.ratio);
    WriteVirupas(json, "requiredRupas", bala.requiredRupas);
    WriteVirupas(json, "rupas", bala.rupas);
    json.Key("sthana");
    WriteSthana(json, bala.sthana);
    WriteVirupas(json, "total", bala.virupas);
    json.EndObject();
}

}  // namespace

void WriteShadbala(JsonWriter& json, const std::optional<BirthStrengths>& strengths) {
    if (!strengths) {
        json.Null();
        return;
    }
    json.BeginArray();
    for (const PlanetShadbala& bala : strengths->shadbala.planets) {
        WritePlanet(json, bala);
    }
    json.EndArray();
}

void WriteStrengthRules(JsonWriter& json, const std::optional<BirthStrengths>& strengths) {
    if (!strengths) {
        json.Null();
        return;
    }
    const StrengthRules& rules = strengths->shadbala.rules;
    json.BeginObject();
    json.Key("cheshtaMeans");
    json.String(CheshtaMeansName(rules.cheshtaMeans));
    json.Key("digArc");
    json.String(DigArcName(rules.digArc));
    json.Key("digPoints");
    json.String(DigPointsName(rules.digPoints));
    json.Key("luminaryCheshta");
    json.String(LuminaryCheshtaName(rules.luminaryCheshta));
    json.Key("moolatrikona");
    json.String(MoolatrikonaName(rules.moolatrikona));
    json.Key("requiredRupas");
    json.String(RequiredRupasName(rules.requiredRupas));
    json.Key("sunAyana");
    json.String(rules.sunAyanaDoubled ? "doubled" : "single");
    json.Key("yuddha");
    json.Bool(rules.yuddha);
    json.EndObject();
}

void WriteHouseBhavaBala(JsonWriter& json, const HouseBhavaBala& bala) {
    json.BeginObject();
    WriteVirupas(json, "adhipati", bala.adhipati.virupas);
    WriteVirupas(json, "dig", bala.dig.virupas);
    WriteVirupas(json, "drishti", bala.drishti.virupas);
    WriteVirupas(json, "rupas", bala.rupas);
    WriteVirupas(json, "total", bala.virupas);
    json.EndObject();
}

}  // namespace sarovin
