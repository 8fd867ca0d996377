#include "timeline/strength_plot.h"

#include <algorithm>

#include "chart/strength_tint.h"

namespace sarovin {

namespace {

constexpr double LEFT_MARGIN = 40;
constexpr double RIGHT_MARGIN = 10;
constexpr double TOP_MARGIN = 22;
constexpr double BOTTOM_MARGIN = 22;
constexpr double HIGHEST_SPECIAL = 90;
constexpr int STRENGTH_STEP = 15;

}  // namespace

StrengthPlot LayOutStrengthPlot(const std::vector<StrengthSample>& samples, double from, double to,
                                double today, double threshold, double width, double height,
                                std::string title) {
    StrengthPlot plot{.width = width,
                      .height = height,
                      .left = LEFT_MARGIN,
                      .right = width - RIGHT_MARGIN,
                      .top = TOP_MARGIN,
                      .bottom = height - BOTTOM_MARGIN,
                      .title = std::move(title),
                      .curve = {},
                      .thresholdY = 0,
                      .timeTicks = {},
                      .strengthTicks = {}};
    const bool passes = std::any_of(samples.begin(), samples.end(), [](const StrengthSample& s) {
        return s.virupas > STRONGEST_SPUTA;
    });
    const double highest = passes ? HIGHEST_SPECIAL : STRONGEST_SPUTA;
    const auto strengthY = [&](double virupas) {
        return plot.bottom - (plot.bottom - plot.top) * virupas / highest;
    };
    for (const StrengthSample& sample : samples) {
        plot.curve.push_back(
            {TimeX(sample.time, from, to, plot.left, plot.right), strengthY(sample.virupas)});
    }
    plot.thresholdY = strengthY(threshold);
    plot.timeTicks = TimeTicks(from, to, plot.left, plot.right);
    for (int virupas = 0; virupas <= highest; virupas += STRENGTH_STEP) {
        plot.strengthTicks.push_back({strengthY(virupas), std::to_string(virupas)});
    }
    if (today >= from && today <= to) {
        plot.todayX = TimeX(today, from, to, plot.left, plot.right);
    }
    return plot;
}

}  // namespace sarovin
