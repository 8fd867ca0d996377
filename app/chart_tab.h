#pragma once

#include <QWidget>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"

class QLabel;
class QRadioButton;

namespace sarovin {

class ChartView;

// Frame6: the chart of the reading in the South or North Indian style,
// the choice between Graha and Rashi Drishti arrows, and the sentences of
// the chosen body beneath. Both choices are kept between runs; the North
// Indian chart waits for a reading with a Lagna.
class ChartTab : public QWidget {
    Q_OBJECT

  public:
    explicit ChartTab(QWidget* parent = nullptr);

    // Shows `calculation`, which the window keeps, and reads it again while
    // it is shown.
    void ShowCalculation(const Calculation& calculation);
    // The style the chart is drawn in now.
    ChartStyle StyleShown() const;

  private:
    void ApplyChoices();
    void KeepChoices();
    void ShowChosenAspects();

    ChartView* view_;
    QRadioButton* south_;
    QRadioButton* north_;
    QLabel* northReason_;
    QRadioButton* graha_;
    QRadioButton* rashi_;
    QLabel* aspects_;
    bool prefersNorth_ = false;
    const Calculation* calculation_ = nullptr;
};

}  // namespace sarovin
