#include "chart/chart_focus.h"

namespace sarovin {

ChartFocus FocusOn(const DrishtiReport& report, AspectKind kind, int body) {
    if (kind == AspectKind::Rashi) {
        return {body, report.rashi[body].aspected};
    }
    return {body, body < GRAHA_ROWS ? report.graha[body].aspected : Aspected{}};
}

}  // namespace sarovin
