#pragma once

#include <QTableWidget>
#include <optional>

#include "calculation/calculation.h"

namespace sarovin {

// tblVargas: the Lagna (when the ephemeris gives one) and the nine bodies
// down, the sixteen vargas across, each cell the sign the point stands in;
// its tooltip gives the span of birth times for which the point keeps
// that sign, when the speeds could be found.
class VargaTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit VargaTable(QWidget* parent = nullptr);

    // Shows the calculation's charts and spans.
    void ShowVargas(const Calculation& calculation);

  private:
    void ShowPoint(int row, std::optional<int> body, const Calculation& calculation);
};

}  // namespace sarovin
