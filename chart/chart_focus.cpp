#include "chart/chart_focus.h"

namespace sarovin {

ChartFocus FocusOn(const DrishtiReport& report, AspectKind kind, int body) {
    return FocusOn(report.graha, report.rashi, kind, body);
}

ChartFocus FocusOn(const std::array<DrishtiRow, GRAHA_ROWS>& graha,
                   const std::array<DrishtiRow, RASHI_ROWS>& rashi, AspectKind kind, int body) {
    if (kind == AspectKind::Rashi) {
        return {body, rashi[body].aspected};
    }
    return {body, body < GRAHA_ROWS ? graha[body].aspected : Aspected{}};
}

}  // namespace sarovin
