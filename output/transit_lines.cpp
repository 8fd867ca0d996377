#include "output/transit_lines.h"

#include <array>
#include <string_view>

#include "engine/body_slot.h"
#include "text/virupas_text.h"
#include "transits/utc_time.h"

namespace sarovin {

namespace {

constexpr std::array<std::string_view, 3> KIND_NAMES = {"graha", "sputa", "sadeSati"};
constexpr std::array<std::string_view, 3> PHASE_NAMES = {"rising", "peak", "setting"};

std::string_view KindName(TransitKind kind) {
    return KIND_NAMES[static_cast<int>(kind)];
}

}  // namespace

void WriteTransitJson(JsonWriter& json, const TransitEvent& event,
                      const std::vector<NatalPoint>& points) {
    json.BeginObject();
    json.Key("kind");
    json.String(KindName(event.kind));
    json.Key("transiting");
    json.String(SlotNames[event.transiting].englishName);
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
    if (event.startCut) {
        json.Key("startCut");
        json.Bool(true);
    }
    if (event.endCut) {
        json.Key("endCut");
        json.Bool(true);
    }
    json.EndObject();
}

std::string TransitTextLine(const TransitEvent& event, const std::vector<NatalPoint>& points) {
    std::string line = IsoMinuteText(event.start) + (event.startCut ? " (cut)" : "") + " to " +
                       IsoMinuteText(event.end) + (event.endCut ? " (cut)" : "") + "  " +
                       std::string(KindName(event.kind)) + "  " +
                       std::string(SlotNames[event.transiting].englishName) + " on " +
                       points[event.natal].name;
    if (event.peak && event.peakVirupas) {
        line += "  peak " + IsoMinuteText(*event.peak) + " " + VirupasText(*event.peakVirupas) +
                " virupas";
    }
    if (event.phase) {
        line += "  " + std::string(PHASE_NAMES[static_cast<int>(*event.phase)]);
    }
    return line + '\n';
}

}  // namespace sarovin
