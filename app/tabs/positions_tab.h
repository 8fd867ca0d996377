#pragma once

#include <QGroupBox>

#include "calculation/calculation.h"

class QTableWidget;

namespace sarovin {

// tabPositions: a row a point (the Lagna when the ephemeris gives one, the
// nine bodies, the MC with houses) with its sign, degree, nakshatra and
// pada, the nakshatra's lord, its house, the retrograde mark and its daily
// motion; the house column only with houses, the last two only where the
// ephemeris gives speeds.
class PositionsTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit PositionsTab(QWidget* parent = nullptr);

    void ShowCalculation(const Calculation& calculation);

  private:
    QTableWidget* table_;
};

}  // namespace sarovin
