#include "tables/zone_table.h"

#include <string>

namespace sarovin {

namespace {

constexpr LabelSpacing SPACED = LabelSpacing::AfterCommas;
constexpr LabelSpacing PLAIN = LabelSpacing::None;

// The rows as the list shows them, spaces and all. Row 34 shows "+5.3" but
// stands for five and a half hours.
constexpr std::array<ZoneRow, ZONE_COUNT> ZONE_ROWS = {{
    {"Alaska/Hawaii Daylight Time", "AHDT", "-9.0", 9, 0, PLAIN},
    {"Alaska/Hawaii Standard Time", "AHST", "-10.0", 10, 0, PLAIN},
    {"Alaska/Hawaii War Time", "AHWT", "-9.0", 9, 0, PLAIN},
    {"Atlantic Standard Time", "AST", "-4.0", 4, 0, PLAIN},
    {"Atlantic War Time", "AWT", "-3.0", 3, 0, PLAIN},
    {"Australian Central Daylight Time", "ACDT", "+10.5", -10, -30, PLAIN},
    {"Australian Central Standard Time", "ACST", "+9.5", -9, -30, PLAIN},
    {"Australian Eastern Daylight Time", "AEDT", "+11.0", -11, 0, PLAIN},
    {"Australian Eastern Standard Time", "AEST", "+10.0", -10, 0, PLAIN},
    {"Australian Western Daylight Time", "AWDT", "+9.0", -9, 0, PLAIN},
    {"Australian Western Standard Time", "AWST", "+8.0", -8, 0, PLAIN},
    {"Azores Time", "AT", "-2.0", 2, 0, SPACED},
    {"Baghdad Time", "BAT", "+3.0", -3, 0, SPACED},
    {"Bering Standard Time", "BET", "-11.0", 11, 0, PLAIN},
    {"Brazil Zone 2", "BZT2", "-3.0", 3, 0, PLAIN},
    {"British Double Summer Time", "BDST", "+2.0", -2, 0, PLAIN},
    {"British Summer Time", "BST", "+1.0", -1, 0, PLAIN},
    {"British War Time", "BWT", "+2.0", -2, 0, PLAIN},
    {"Central Daylight Time", "CDT", "-5.0", 5, 0, PLAIN},
    {"Central European Daylight", "CED", "+2.0", -2, 0, PLAIN},
    {"Central European Time", "CET", "+1.0", -1, 0, PLAIN},
    {"Central Standard Time", "CST", "-6.0", 6, 0, PLAIN},
    {"Central War Time", "CWT", "-5.0", 5, 0, PLAIN},
    {"China Coast Time", "CCT", "+8.0", -8, 0, PLAIN},
    {"Eastern Daylight Time", "EDT", "-4.0", 4, 0, PLAIN},
    {"Eastern European Daylight Time", "EED", "+3.0", -3, 0, PLAIN},
    {"Eastern European Time", "EET", "+2.0", -2, 0, PLAIN},
    {"Eastern Standard Time", "EST", "-5.0", 5, 0, PLAIN},
    {"Eastern War Time", "EWT", "-4.0", 4, 0, PLAIN},
    {"Greenwich Mean Time", "GMT", "0.0", 0, 0, PLAIN},
    {"Guam Standard Time", "GST", "+10.0", -10, 0, PLAIN},
    {"Hawaiian Daylight Time", "HDT", "-9.5", 9, 30, PLAIN},
    {"Hawaiian Standard Time", "HST", "-10.5", 10, 30, PLAIN},
    {"Hawaiian War Time", "HWT", "-9.5", 9, 30, PLAIN},
    {"Indian Time", "IST", "+5.3", -5, -30, SPACED},
    {"Int'l Date Line East", "IDLE", "+12.0", -12, 0, PLAIN},
    {"Int'l Date Line West", "IDLW", "-12.0", 12, 0, PLAIN},
    {"Iran Time", "IT", "+3.5", -3, -30, SPACED},
    {"Japan Standard Time", "JST", "+9.0", -9, 0, PLAIN},
    {"Java Time", "JT", "+7.5", -7, -30, SPACED},
    {"Middle European Daylight Time", "MED", "+2.0", -2, 0, PLAIN},
    {"Middle European Time", "MET", "+1.0", -1, 0, PLAIN},
    {"Moluccas Time", "MT", "+8.5", -8, -30, SPACED},
    {"Mountain Daylight Time", "MDT", "-6.0", 6, 0, PLAIN},
    {"Mountain Standard Time", "MST", "-7.0", 7, 0, PLAIN},
    {"Mountain War Time", "MWT", "-6.0", 6, 0, PLAIN},
    {"New Zealand Std Summer Time", "NZST", "+13.0", -13, 0, PLAIN},
    {"New Zealand Std Time", "NZT", "+12.0", -12, 0, PLAIN},
    {"New Zealand Summer Time", "NZS", "+12.5", -12, -30, PLAIN},
    {"New Zealand Time", "NZ", "+11.5", -11, -30, PLAIN},
    {"Newfoundland Standard Time", "NST", "-3.5", 3, 30, PLAIN},
    {"Nome Time", "NT", "-11.0", 11, 0, SPACED},
    {"North Sumatra Time", "NST", "+6.5", -6, -30, PLAIN},
    {"Pacific Daylight Time", "PDT", "-7.0", 7, 0, PLAIN},
    {"Pacific Standard Time", "PST", "-8.0", 8, 0, PLAIN},
    {"Pacific War Time", "PWT", "-7.0", 7, 0, PLAIN},
    {"South Australia Daylight Time", "SAD", "+10.5", -10, -30, PLAIN},
    {"South Australia Daylight Time", "SDT", "+10.5", -10, -30, PLAIN},
    {"South Australia Standard Time", "SAST", "+9.5", -9, -30, PLAIN},
    {"South Australia Standard Time", "SAT", "+9.5", -9, -30, PLAIN},
    {"South Sumatra Time", "SST", "+7.0", -7, 0, PLAIN},
    {"Universal Time", "UT", "0.0", 0, 0, SPACED},
    {"USSR Zone 10", "UZ10", "+11.0", -11, 0, PLAIN},
    {"USSR Zone 3", "USZ3", "+4.0", -4, 0, PLAIN},
    {"USSR Zone 4", "USZ4", "+5.0", -5, 0, PLAIN},
    {"USSR Zone 5", "USZ5", "+6.0", -6, 0, PLAIN},
    {"USSR Zone 6", "USZ6", "+7.0", -7, 0, PLAIN},
    {"West Africa Time", "WAT", "-1.0", 1, 0, PLAIN},
    {"Yukon Daylight Time", "YDT", "-8.0", 8, 0, PLAIN},
    {"Yukon Standard Time", "YST", "-9.0", 9, 0, PLAIN},
    {"Yukon War Time", "YWT", "-8.0", 8, 0, PLAIN},
}};

std::array<std::string, ZONE_COUNT> BuildLabels() {
    std::array<std::string, ZONE_COUNT> labels;
    for (std::size_t row = 0; row < labels.size(); ++row) {
        labels[row] = ZoneLabel(ZONE_ROWS[row]);
    }
    return labels;
}

}  // namespace

const ZoneTable& BuildZoneTable() {
    static const ZoneTable table{ZONE_ROWS};
    return table;
}

std::string ZoneLabel(const ZoneRow& row) {
    const std::string_view separator = row.spacing == LabelSpacing::AfterCommas ? ", " : ",";
    std::string label(row.name);
    label += separator;
    label += row.abbreviation;
    label += separator;
    label += row.shownHours;
    return label;
}

std::string_view ZoneLabelAt(int position) {
    static const std::array<std::string, ZONE_COUNT> labels = BuildLabels();
    if (position < 0 || position >= ZONE_COUNT) {
        return {};
    }
    return labels[static_cast<std::size_t>(position)];
}

}  // namespace sarovin
