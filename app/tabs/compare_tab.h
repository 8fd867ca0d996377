#pragma once

#include <QWidget>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"
#include "comparison/chart_comparison.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace sarovin {

class ChartView;

// Two charts compared: the chart on show (A) and a second reading (B)
// computed with the same ephemeris and rules. The mutual aspects first,
// then the classical Sputa Drishti each way as tinted tables, then the
// Graha Drishti across in the Graha tab's manner. Both births are named
// above the double chart, whose outer ring (the chart whose bodies can be
// chosen for their arrows) is A's or B's as the user chooses.
class CompareTab : public QWidget {
    Q_OBJECT

  public:
    explicit CompareTab(QWidget* parent = nullptr);

    void ShowComparison(const Calculation& a, const Calculation& b,
                        const ChartComparison& comparison, ChartStyle style);

  private:
    void ShowChosenOuter();

    QLabel* title_;
    QLabel* births_;
    QComboBox* outer_;
    ChartView* chart_;
    QLabel* chartCaption_;
    QLabel* mutual_;
    QLabel* aOnBCaption_;
    QTableWidget* aOnB_;
    QLabel* grahaAOnB_;
    QLabel* bOnACaption_;
    QTableWidget* bOnA_;
    QLabel* grahaBOnA_;
    const Calculation* a_ = nullptr;
    const Calculation* b_ = nullptr;
};

}  // namespace sarovin
