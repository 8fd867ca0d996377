#include "chart/chart_focus.h"

#include <string_view>

#include "drishti/sign_names.h"

namespace sarovin {

namespace {

// The names listed after the lead of a sentence, as "... is Mars, Saturn."
std::vector<std::string_view> ListedNames(std::string_view sentence, std::string_view lead) {
    std::vector<std::string_view> names;
    const std::size_t start = sentence.find(lead);
    if (start == std::string_view::npos) {
        return names;
    }
    std::string_view rest = sentence.substr(start + lead.size());
    rest.remove_suffix(rest.ends_with('.') ? 1 : 0);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(", ");
        names.push_back(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
    }
    return names;
}

ChartFocus FocusOnRow(const DrishtiReport& report, const DrishtiRow& row,
                      std::string_view signsLead, std::string_view bodiesLead, int body) {
    ChartFocus focus{body, {}, {}};
    for (const std::string_view name : ListedNames(row.aspectCaption, signsLead)) {
        for (int sign = 0; sign < SIGN_COUNT; ++sign) {
            if (VedicSignNames[sign] == name) {
                focus.aspectedSigns.push_back(sign);
            }
        }
    }
    for (const std::string_view name : ListedNames(row.planetsCaption, bodiesLead)) {
        for (int other = 0; other < BODY_COUNT; ++other) {
            if (report.bodies.entries[other].englishName == name) {
                focus.aspectedBodies.push_back(other);
            }
        }
    }
    return focus;
}

}  // namespace

ChartFocus FocusOn(const DrishtiReport& report, AspectKind kind, int body) {
    if (kind == AspectKind::Graha) {
        return body < GRAHA_ROWS ? FocusOnRow(report, report.graha[body], " is ", " is ", body)
                                 : ChartFocus{body, {}, {}};
    }
    return FocusOnRow(report, report.rashi[body], " of ", " on ", body);
}

}  // namespace sarovin
