#pragma once

#include <QWidget>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace sarovin {

class ChartView;

// Frame6: the chart of the reading in the South or North Indian style,
// the choice between Graha and Rashi Drishti arrows, and the sentences of
// the chosen body beneath. Both choices are kept between runs; the North
// Indian chart waits for a reading with a Lagna. With houses, the Bhava
// Chalit choice places the bodies by house and draws Drishti on houses.
class ChartTab : public QWidget {
    Q_OBJECT

  public:
    explicit ChartTab(QWidget* parent = nullptr);

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
    QCheckBox* chalit_;
    QLabel* aspects_;
    bool prefersNorth_ = false;
    DrishtiReport report_;
    std::optional<Houses> houses_;
};

}  // namespace sarovin
