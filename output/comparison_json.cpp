#include "output/comparison_json.h"

#include "engine/body_slot.h"
#include "output/json_report.h"
#include "text/virupas_text.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

void WriteCrossSputa(JsonWriter& json, const CrossSputa& cross) {
    json.BeginArray();
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        json.BeginArray();
        for (const double virupas : cross.onBodies[planet]) {
            json.Number(RoundedVirupas(virupas));
        }
        if (cross.onLagna) {
            json.Number(RoundedVirupas((*cross.onLagna)[planet]));
        } else {
            json.Null();
        }
        json.EndArray();
    }
    json.EndArray();
}

void WriteGrahaAcross(JsonWriter& json, const std::array<GrahaAcross, GRAHA_ROWS>& rows) {
    json.BeginArray();
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        json.BeginObject();
        json.Key("bodies");
        json.BeginArray();
        for (int other = 0; other < BODY_COUNT; ++other) {
            if (rows[body].bodies[other]) {
                json.String(SlotNames[other].englishName);
            }
        }
        json.EndArray();
        json.Key("body");
        json.String(SlotNames[body].englishName);
        json.Key("signs");
        json.BeginArray();
        for (int sign = 0; sign < SIGN_COUNT; ++sign) {
            if (rows[body].signs[sign]) {
                json.String(VedicSignNames[sign]);
            }
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

void WriteMutual(JsonWriter& json, const std::vector<MutualAspect>& mutual) {
    json.BeginArray();
    for (const MutualAspect& pair : mutual) {
        json.BeginObject();
        json.Key("aBody");
        json.String(SlotNames[pair.aBody].englishName);
        json.Key("aOnB");
        json.Number(RoundedVirupas(pair.aOnB));
        json.Key("bBody");
        json.String(SlotNames[pair.bBody].englishName);
        json.Key("bOnA");
        json.Number(RoundedVirupas(pair.bOnA));
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

std::string FormatJsonComparison(const ComparedReadings& compared, JsonLayout layout) {
    const ChartComparison& comparison = compared.comparison;
    std::string text;
    JsonWriter json(text, layout);
    json.BeginObject();
    json.Key("a");
    WriteJsonReading(json, compared.a);
    json.Key("aOnB");
    WriteCrossSputa(json, comparison.aOnB);
    json.Key("b");
    WriteJsonReading(json, compared.b);
    json.Key("bOnA");
    WriteCrossSputa(json, comparison.bOnA);
    json.Key("grahaAOnB");
    WriteGrahaAcross(json, comparison.grahaAOnB);
    json.Key("grahaBOnA");
    WriteGrahaAcross(json, comparison.grahaBOnA);
    json.Key("mutual");
    WriteMutual(json, comparison.mutual);
    json.Key("sameBirth");
    json.Bool(compared.comparison.sameBirth);
    json.EndObject();
    return text;
}

}  // namespace sarovin
