#pragma once

#include <QGroupBox>

#include "calculation/calculation.h"

class QLabel;
class QTableWidget;

namespace sarovin {

// tabAshtakavarga: the Ashtakavarga the reading on show was computed with,
// as a table: the Bhinna rows of the Sun to Saturn and the Lagna, then the
// Sarva, the bindus in the signs from Mesha to Meena and each row's total,
// under a line naming the tables' tradition. Without a Lagna (the built-in
// ephemeris) there is none to show.
class AshtakavargaTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit AshtakavargaTab(QWidget* parent = nullptr);

    void ShowCalculation(const Calculation& calculation);

  private:
    QLabel* tables_;
    QTableWidget* table_;
};

}  // namespace sarovin
