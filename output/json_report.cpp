#include "output/json_report.h"

#include <span>
#include <string_view>

#include "calculation/sky_texts.h"
#include "form/birth_summary.h"
#include "output/ashtakavarga_output.h"
#include "output/dasha_output.h"
#include "output/json_classical.h"
#include "output/json_houses.h"
#include "output/json_strengths.h"
#include "output/named_values.h"
#include "tables/zone_table.h"
#include "text/utc_offset_text.h"
#include "vargas/nakshatra.h"

namespace sarovin {

namespace {

// Room for one indented reading, about 10 KB, or 20 KB with houses.
constexpr std::size_t EXPECTED_JSON_SIZE = 24576;
constexpr char UNIVERSAL_TIME_SEPARATOR = 'T';
constexpr std::string_view UNIVERSAL_TIME_ZONE = "Z";

void WriteTexts(JsonWriter& json, std::span<const std::string> texts) {
    json.BeginArray();
    for (const std::string& text : texts) {
        json.String(text);
    }
    json.EndArray();
}

void WriteAngle(JsonWriter& json, int degrees, int minutes, std::string_view hemisphereKey,
                bool hemisphere) {
    json.BeginObject();
    json.Key("degrees");
    json.Number(degrees);
    // "east" sorts between the others, "south" after them.
    if (hemisphereKey < "minutes") {
        json.Key(hemisphereKey);
        json.Bool(hemisphere);
    }
    json.Key("minutes");
    json.Number(minutes);
    if (hemisphereKey > "minutes") {
        json.Key(hemisphereKey);
        json.Bool(hemisphere);
    }
    json.EndObject();
}

void WriteBirth(JsonWriter& json, const Calculation& calculation) {
    const BirthRecord& record = calculation.record;
    json.BeginObject();
    json.Key("city");
    json.String(record.city);
    json.Key("country");
    json.String(record.country);
    json.Key("day");
    json.Number(record.day);
    json.Key("daylightSaving");
    json.Bool(record.daylightSaving);
    json.Key("hour");
    json.Number(record.hour);
    json.Key("latitude");
    WriteAngle(json, record.latitudeDegrees, record.latitudeMinutes, "south", record.isSouth);
    json.Key("longitude");
    WriteAngle(json, record.longitudeDegrees, record.longitudeMinutes, "east", record.isEast);
    json.Key("minute");
    json.Number(record.minute);
    json.Key("month");
    json.Number(record.month);
    json.Key("name");
    json.String(record.name);
    json.Key("offsetSource");
    if (!record.exactOffset) {
        json.String("zone");
    } else {
        json.String(record.exactOffset->source == OffsetSource::Atlas ? "atlas" : "typed");
    }
    json.Key("state");
    json.String(record.state);
    json.Key("utcOffset");
    json.String(UtcOffsetText(UtcOffsetSeconds(record)));
    json.Key("year");
    json.Number(record.year);
    json.Key("zone");
    json.BeginObject();
    json.Key("index");
    json.Number(calculation.zonePosition);
    json.Key("label");
    json.String(ZoneLabelAt(calculation.zonePosition));
    json.EndObject();
    json.EndObject();
}

// Each body with its nakshatra and pada, and its house (null without
// houses).
void WriteBodies(JsonWriter& json, const Calculation& calculation) {
    json.BeginArray();
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        const BodyEntry& entry = calculation.sky.bodies.entries[slot];
        const NakshatraPada nakshatra = NakshatraOf(entry.longitude);
        json.BeginObject();
        json.Key("english");
        json.String(entry.englishName);
        json.Key("house");
        if (calculation.houses) {
            json.Number(calculation.houses->bodies[slot].house);
        } else {
            json.Null();
        }
        json.Key("longitude");
        json.Number(entry.longitude);
        json.Key("nakshatra");
        json.String(NakshatraNames[nakshatra.nakshatra]);
        json.Key("pada");
        json.Number(nakshatra.pada);
        json.Key("position");
        json.String(entry.position);
        json.Key("sanskrit");
        json.String(entry.vedicName);
        json.EndObject();
    }
    json.EndArray();
}

void WriteEphemeris(JsonWriter& json, const Sky& sky) {
    json.BeginObject();
    json.Key("ayanamsa");
    json.Number(sky.ayanamsa);
    // The built-in ephemeris has its own ayanamsa, none of those offered.
    json.Key("ayanamsaName");
    if (sky.used.ephemeris == Ephemeris::Swiss) {
        json.String(NameOf(AYANAMSA_NAMES, sky.used.ayanamsa));
    } else {
        json.Null();
    }
    json.Key("name");
    json.String(NameOf(EPHEMERIS_NAMES, sky.used.ephemeris));
    json.Key("node");
    json.String(NameOf(NODE_NAMES, sky.used.node));
    json.Key("universalTime");
    if (sky.universalTime) {
        json.String(SkyUniversalTimeText(sky, UNIVERSAL_TIME_SEPARATOR) +
                    std::string(UNIVERSAL_TIME_ZONE));
    } else {
        json.Null();
    }
    json.EndObject();
}

void WriteLagna(JsonWriter& json, const Sky& sky) {
    if (!sky.lagna) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("longitude");
    json.Number(*sky.lagna);
    json.Key("position");
    json.String(LagnaPosition(sky));
    json.EndObject();
}

template <typename Rows>
void WriteRows(JsonWriter& json, const Rows& rows) {
    json.BeginArray();
    for (const DrishtiRow& row : rows) {
        json.BeginObject();
        json.Key("aspect");
        json.String(row.aspectCaption);
        json.Key("body");
        json.String(row.bodyCaption);
        json.Key("planets");
        json.String(row.planetsCaption);
        json.Key("position");
        json.String(row.positionCaption);
        json.EndObject();
    }
    json.EndArray();
}

void WriteOwnGrid(JsonWriter& json, const SputaGrid& grid) {
    json.BeginArray();
    for (const auto& gridRow : grid) {
        json.BeginArray();
        for (const std::int16_t strength : gridRow) {
            json.Number(strength);
        }
        json.EndArray();
    }
    json.EndArray();
}

// Under the classical rules the grid holds virupas and a "lagna" member
// follows it.
void WriteSputa(JsonWriter& json, const DrishtiReport& report) {
    const SputaDrishti& sputa = report.sputa;
    json.BeginObject();
    json.Key("columns");
    WriteTexts(json, sputa.columnCaptions);
    json.Key("grid");
    if (report.classical) {
        WriteClassicalGrid(json, report.classical->sputa);
        json.Key("lagna");
        WriteClassicalLagna(json, report.classical->sputa);
    } else {
        WriteOwnGrid(json, sputa.grid);
    }
    json.Key("positions");
    WriteTexts(json, sputa.positionCaptions);
    json.Key("rows");
    WriteTexts(json, sputa.rowCaptions);
    json.EndObject();
}

// The charts asked for by their keys, in VargaNames' order:
//   {bodies: 9 × {body, sign}, graha, lagna: sign or null, rashi}.
void WriteVargas(JsonWriter& json, std::span<const CalculatedVarga> vargas) {
    json.BeginObject();
    for (const CalculatedVarga& varga : vargas) {
        json.Key(VargaNames[static_cast<std::size_t>(varga.varga)].key);
        json.BeginObject();
        json.Key("bodies");
        json.BeginArray();
        for (const BodyEntry& entry : varga.chart.bodies.entries) {
            json.BeginObject();
            json.Key("body");
            json.String(entry.englishName);
            json.Key("sign");
            json.String(SignNameAt(entry.longitude));
            json.EndObject();
        }
        json.EndArray();
        json.Key("graha");
        WriteRows(json, varga.chart.graha);
        json.Key("lagna");
        if (varga.chart.lagna) {
            json.String(SignNameAt(*varga.chart.lagna));
        } else {
            json.Null();
        }
        json.Key("rashi");
        WriteRows(json, varga.chart.rashi);
        json.EndObject();
    }
    json.EndObject();
}

}  // namespace

void WriteJsonReading(JsonWriter& json, const ReportedReading& reading) {
    const Calculation& calculation = reading.calculation;
    const DrishtiReport& report = calculation.report;
    json.BeginObject();
    if (reading.calculation.ashtakavarga) {
        json.Key("ashtakavarga");
        WriteAshtakavargaJson(json, *reading.calculation.ashtakavarga);
    }
    json.Key("birth");
    WriteBirth(json, calculation);
    json.Key("bodies");
    WriteBodies(json, calculation);
    if (reading.calculation.dasha) {
        json.Key("dasha");
        WriteDashaJson(json, *reading.calculation.dasha);
    }
    json.Key("drikBala");
    WriteDrikBala(json, report.classical);
    json.Key("ephemeris");
    WriteEphemeris(json, calculation.sky);
    json.Key("file");
    if (reading.source.empty()) {
        json.Null();
    } else {
        json.String(reading.source);
    }
    json.Key("graha");
    WriteRows(json, report.graha);
    json.Key("houses");
    WriteHouses(json, calculation.houses, calculation.strengths);
    json.Key("lagna");
    WriteLagna(json, calculation.sky);
    if (calculation.sky.used.given) {
        json.Key("positions");
        json.String("given");
    }
    json.Key("precisionWarnings");
    WriteTexts(json, calculation.precisionWarnings);
    json.Key("rashi");
    WriteRows(json, report.rashi);
    json.Key("rules");
    json.String(NameOf(RULES_NAMES, report.rules));
    json.Key("shadbala");
    WriteShadbala(json, calculation.strengths);
    json.Key("sputa");
    WriteSputa(json, report);
    json.Key("strengthRules");
    WriteStrengthRules(json, calculation.strengths);
    if (!reading.calculation.vargas.empty()) {
        json.Key("vargas");
        WriteVargas(json, reading.calculation.vargas);
    }
    json.EndObject();
}

std::string FormatJsonReading(const ReportedReading& reading, JsonLayout layout) {
    std::string text;
    text.reserve(EXPECTED_JSON_SIZE);
    JsonWriter json(text, layout, layout == JsonLayout::Indented ? 1 : 0);
    WriteJsonReading(json, reading);
    return text;
}

}  // namespace sarovin
