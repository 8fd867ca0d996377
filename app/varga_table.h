#pragma once

#include <QTableWidget>
#include <optional>

#include "vargas/varga_chart.h"
#include "vargas/varga_span.h"

namespace sarovin {

// tblVargas: the Lagna (when the ephemeris gives one) and the nine bodies
// down, the sixteen vargas across, each cell the sign the point stands in;
// its tooltip gives the span of birth times for which the point keeps
// that sign, when the speeds could be found.
class VargaTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit VargaTable(QWidget* parent = nullptr);

    void ShowVargas(const VargaCharts& charts, const std::optional<VargaSpans>& spans);

  private:
    void ShowPoint(int row, std::optional<int> body, const VargaCharts& charts,
                   const std::optional<VargaSpans>& spans);
};

}  // namespace sarovin
