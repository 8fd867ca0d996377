#include "vargas/varga_chart.h"

#include "drishti/sign_names.h"

namespace sarovin {

VargaChart ComputeVargaChart(int varga, const BodyTable& bodies, std::optional<double> lagna) {
    VargaChart chart;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        const double longitude = bodies.entries[slot].longitude;
        chart.bodies.entries[slot] = MakeBodyEntry(
            static_cast<BodySlot>(slot), VargaLongitude(VargaPartOf(varga, longitude), longitude));
    }
    if (lagna) {
        chart.lagna = VargaLongitude(VargaPartOf(varga, *lagna), *lagna);
    }
    chart.graha = ComputeGrahaDrishti(chart.bodies);
    chart.rashi = ComputeRashiDrishti(chart.bodies);
    return chart;
}

std::string_view SignNameAt(double longitude) {
    return VedicSignNames[static_cast<std::size_t>(SplitSignDms(longitude).sign)];
}

VargaCharts ComputeVargaCharts(const BodyTable& bodies, std::optional<double> lagna) {
    VargaCharts charts;
    for (int varga = 0; varga < VARGA_COUNT; ++varga) {
        charts[varga] = ComputeVargaChart(varga, bodies, lagna);
    }
    return charts;
}

}  // namespace sarovin
