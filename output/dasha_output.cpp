#include "output/dasha_output.h"

#include <array>
#include <span>
#include <string_view>

#include "ephemeris/utc_time.h"

namespace sarovin {

namespace {

constexpr std::string_view SYSTEM_NAME = "vimshottari";
constexpr std::array<std::string_view, 3> YEAR_TEXTS = {
    "sidereal year of 365.256364 days", "Julian year of 365.25 days", "savana year of 360 days"};
constexpr std::size_t LORD_WIDTH = 8;
constexpr std::string_view LEVEL_INDENT = "  ";

std::string_view LordName(BodySlot lord) {
    return SlotNames[static_cast<std::size_t>(lord)].englishName;
}

void WritePeriods(JsonWriter& json, std::span<const DashaPeriod> periods) {
    json.BeginArray();
    for (const DashaPeriod& period : periods) {
        json.BeginObject();
        json.Key("lord");
        json.String(LordName(period.lord));
        json.Key("start");
        json.String(IsoMinuteText(period.start));
        json.Key("end");
        json.String(IsoMinuteText(period.end));
        if (!period.sub.empty()) {
            json.Key("sub");
            WritePeriods(json, period.sub);
        }
        json.EndObject();
    }
    json.EndArray();
}

void AppendPeriods(std::string& text, std::span<const DashaPeriod> periods, int level) {
    for (const DashaPeriod& period : periods) {
        for (int indent = 0; indent <= level; ++indent) {
            text += LEVEL_INDENT;
        }
        const std::string_view lord = LordName(period.lord);
        text += lord;
        text.append(LORD_WIDTH - lord.size(), ' ');
        text += IsoMinuteText(period.start) + " to " + IsoMinuteText(period.end) + '\n';
        AppendPeriods(text, period.sub, level + 1);
    }
}

std::string Plural(int count, std::string_view unit) {
    return std::to_string(count) + " " + std::string(unit) + (count == 1 ? "" : "s");
}

}  // namespace

void WriteDashaJson(JsonWriter& json, const Vimshottari& dasha) {
    json.BeginObject();
    json.Key("system");
    json.String(SYSTEM_NAME);
    json.Key("yearDays");
    json.Number(dasha.yearDays);
    json.Key("balance");
    json.BeginObject();
    json.Key("lord");
    json.String(LordName(dasha.balance.lord));
    json.Key("years");
    json.Number(dasha.balance.years);
    json.Key("months");
    json.Number(dasha.balance.months);
    json.Key("days");
    json.Number(dasha.balance.days);
    json.EndObject();
    json.Key("periods");
    WritePeriods(json, dasha.periods);
    json.EndObject();
}

// Vimshottari Dasha, sidereal year of 365.256364 days
// Balance at birth: N Node 0 years 0 months 13 days
std::string DashaText(const Vimshottari& dasha) {
    std::string text = "Vimshottari Dasha, " +
                       std::string(YEAR_TEXTS[static_cast<std::size_t>(dasha.year)]) + '\n';
    text += "Balance at birth: " + std::string(LordName(dasha.balance.lord)) + " " +
            Plural(dasha.balance.years, "year") + " " + Plural(dasha.balance.months, "month") +
            " " + Plural(dasha.balance.days, "day") + '\n';
    AppendPeriods(text, dasha.periods, 0);
    return text;
}

}  // namespace sarovin
