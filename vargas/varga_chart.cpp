#include "vargas/varga_chart.h"

#include "zodiac/zodiac.h"

namespace sarovin {

VargaChart ComputeVargaChart(int varga, const BodyTable& bodies, std::optional<double> lagna,
                             Rules rules) {
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
    chart.rashi = ComputeRashiDrishti(chart.bodies, rules);
    return chart;
}

std::string_view SignNameAt(double longitude) {
    return VedicSignNames[static_cast<std::size_t>(SplitSignDms(longitude).sign)];
}

}  // namespace sarovin
