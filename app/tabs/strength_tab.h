#pragma once

#include <QGroupBox>

#include "calculation/birth_strengths.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace sarovin {

class StrengthBarsView;

// tabStrength: the Shadbala of the seven planets as the calculation found
// it. Above, the day it was read from (sunrise, sunset and the lords of the
// year, month, weekday and hour) and the readings of the authors taken;
// then a tree, one column a planet, whose rows are the six balas, opened to
// their parts, the totals in virupas and rupas against the rupas required,
// their ratio and order, and the Ishta and Kashta Phala; every cell's
// tooltip is its working. Below, the ratios as bars.
class StrengthTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit StrengthTab(QWidget* parent = nullptr);

    void ShowStrengths(const BirthStrengths& strengths);

  private:
    QLabel* day_;
    QLabel* rules_;
    QTreeWidget* tree_;
    StrengthBarsView* bars_;
};

}  // namespace sarovin
