#include "output/json_houses.h"

#include "output/json_strengths.h"
#include "output/named_values.h"
#include "text/virupas_text.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

void WriteBodyNames(JsonWriter& json, const std::bitset<BODY_COUNT>& bodies) {
    json.BeginArray();
    for (int body = 0; body < BODY_COUNT; ++body) {
        if (bodies.test(body)) {
            json.String(SlotNames[body].englishName);
        }
    }
    json.EndArray();
}

void WriteSputa(JsonWriter& json, const BhavaDrishtiBala& bala) {
    json.BeginObject();
    for (const BhavaDrishtiTerm& term : bala.terms) {
        json.Key(SlotNames[term.planet].englishName);
        json.Number(RoundedVirupas(term.virupas));
    }
    json.EndObject();
}

void WriteHouse(JsonWriter& json, const HouseRow& row, const HouseBhavaBala* bhavaBala) {
    json.BeginObject();
    json.Key("aspectedBy");
    WriteBodyNames(json, row.aspectedBy);
    json.Key("bhavaBala");
    if (bhavaBala != nullptr) {
        WriteHouseBhavaBala(json, *bhavaBala);
    } else {
        json.Null();
    }
    json.Key("digBala");
    json.Number(RoundedVirupas(row.digBala.virupas));
    json.Key("drishtiBala");
    json.Number(RoundedVirupas(row.drishtiBala.virupas));
    json.Key("end");
    json.Number(row.bounds.end);
    json.Key("madhya");
    json.Number(row.bounds.madhya);
    json.Key("number");
    json.Number(row.number);
    json.Key("occupants");
    WriteBodyNames(json, row.occupants);
    json.Key("sign");
    json.String(VedicSignNames[row.sign]);
    json.Key("sputa");
    WriteSputa(json, row.drishtiBala);
    json.Key("start");
    json.Number(row.bounds.start);
    json.EndObject();
}

}  // namespace

void WriteHouses(JsonWriter& json, const std::optional<Houses>& houses,
                 const std::optional<BirthStrengths>& strengths) {
    if (!houses) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("list");
    json.BeginArray();
    for (int house = 0; house < HOUSES; ++house) {
        WriteHouse(json, houses->list[house], strengths ? &strengths->bhavaBala[house] : nullptr);
    }
    json.EndArray();
    json.Key("system");
    json.String(NameOf(HOUSE_SYSTEM_NAMES, houses->system));
    json.EndObject();
}

}  // namespace sarovin
