#include "output/transit_lines.h"

#include <array>
#include <string_view>

#include "engine/body_slot.h"
#include "ephemeris/utc_time.h"
#include "text/virupas_text.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr std::array<std::string_view, 4> KIND_NAMES = {"graha", "sputa", "sadeSati", "kakshya"};
constexpr std::array<std::string_view, 3> PHASE_NAMES = {"rising", "peak", "setting"};

std::string_view KindName(TransitKind kind) {
    return KIND_NAMES[static_cast<int>(kind)];
}

std::string_view TransitingName(const TransitEvent& event) {
    return SlotNames[static_cast<std::size_t>(event.transiting)].englishName;
}

std::string_view LordName(BodySlot lord) {
    return SlotNames[static_cast<std::size_t>(lord)].englishName;
}

void WriteCutMarks(JsonWriter& json, const TransitEvent& event) {
    if (event.startCut) {
        json.Key("startCut");
        json.Bool(true);
    }
    if (event.endCut) {
        json.Key("endCut");
        json.Bool(true);
    }
}

void WriteTags(JsonWriter& json, const TransitTags& tags) {
    if (tags.periods) {
        json.Key("periods");
        json.BeginObject();
        json.Key("maha");
        json.String(LordName(tags.periods->maha));
        json.Key("antar");
        json.String(LordName(tags.periods->antar));
        json.EndObject();
    }
    if (tags.bindus) {
        json.Key("bindus");
        json.BeginObject();
        json.Key("own");
        json.Number(tags.bindus->own);
        json.Key("sarva");
        json.Number(tags.bindus->sarva);
        json.EndObject();
    }
}

void WriteKakshyaJson(JsonWriter& json, const TransitEvent& event) {
    json.BeginObject();
    json.Key("kind");
    json.String(KindName(event.kind));
    json.Key("transiting");
    json.String(TransitingName(event));
    json.Key("sign");
    json.String(VedicSignNames[static_cast<std::size_t>(event.sign)]);
    json.Key("lord");
    json.String(AshtakaPointNames[static_cast<std::size_t>(*event.kakshyaLord)]);
    json.Key("start");
    json.String(IsoMinuteText(event.start));
    json.Key("end");
    json.String(IsoMinuteText(event.end));
    WriteCutMarks(json, event);
    json.EndObject();
}

std::string TagsText(const TransitTags& tags) {
    std::string text;
    if (tags.periods) {
        text += "  periods " + std::string(LordName(tags.periods->maha)) + "/" +
                std::string(LordName(tags.periods->antar));
    }
    if (tags.bindus) {
        text += "  bindus " + std::to_string(tags.bindus->own) + " own " +
                std::to_string(tags.bindus->sarva) + " sarva";
    }
    return text;
}

// "Saturn in Kumbha, Venus's kakshya".
std::string KakshyaText(const TransitEvent& event) {
    return std::string(TransitingName(event)) + " in " +
           std::string(VedicSignNames[static_cast<std::size_t>(event.sign)]) + ", " +
           std::string(AshtakaPointNames[static_cast<std::size_t>(*event.kakshyaLord)]) +
           "'s kakshya";
}

}  // namespace

void WriteTransitJson(JsonWriter& json, const TransitEvent& event,
                      const std::vector<NatalPoint>& points, const TransitTags& tags) {
    if (event.kind == TransitKind::Kakshya) {
        WriteKakshyaJson(json, event);
        return;
    }
    json.BeginObject();
    json.Key("kind");
    json.String(KindName(event.kind));
    json.Key("transiting");
    json.String(TransitingName(event));
    json.Key("natal");
    json.String(points[event.natal].name);
    json.Key("start");
    json.String(IsoMinuteText(event.start));
    json.Key("end");
    json.String(IsoMinuteText(event.end));
    json.Key("peak");
    event.peak ? json.String(IsoMinuteText(*event.peak)) : json.Null();
    json.Key("peakVirupas");
    event.peakVirupas ? json.Number(RoundedVirupas(*event.peakVirupas)) : json.Null();
    json.Key("phase");
    event.phase ? json.String(PHASE_NAMES[static_cast<int>(*event.phase)]) : json.Null();
    WriteCutMarks(json, event);
    WriteTags(json, tags);
    json.EndObject();
}

std::string TransitTextLine(const TransitEvent& event, const std::vector<NatalPoint>& points,
                            const TransitTags& tags) {
    std::string line = IsoMinuteText(event.start) + (event.startCut ? " (cut)" : "") + " to " +
                       IsoMinuteText(event.end) + (event.endCut ? " (cut)" : "") + "  " +
                       std::string(KindName(event.kind)) + "  ";
    if (event.kind == TransitKind::Kakshya) {
        return line + KakshyaText(event) + '\n';
    }
    line += std::string(TransitingName(event)) + " on " + points[event.natal].name;
    if (event.peak && event.peakVirupas) {
        line += "  peak " + IsoMinuteText(*event.peak) + " " + VirupasText(*event.peakVirupas) +
                " virupas";
    }
    if (event.phase) {
        line += "  " + std::string(PHASE_NAMES[static_cast<int>(*event.phase)]);
    }
    return line + TagsText(tags) + '\n';
}

}  // namespace sarovin
