#pragma once

#include <QWidget>

#include <optional>

#include "ashtakavarga/ashtakavarga.h"
#include "calculation/calculation.h"
#include "chart/bindu_marks.h"
#include "chart/chart_layout.h"
#include "vargas/varga_chart.h"
#include "vargas/varga_span.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace sarovin {

class ChartView;
class VargaTable;

// Frame6: the chart of the reading in the South or North Indian style,
// in the chosen varga (D1 first), the choice between Graha and Rashi
// Drishti arrows, and the sentences of the chosen body beneath; below, the
// Varga table. The style and arrows are kept between runs; the North
// Indian chart waits for a reading with a Lagna. With houses, the Bhava
// Chalit choice places the bodies by house and draws Drishti on houses.
// With the Lagna, the Bindus choice writes the bindus of the Sarva- or a
// Bhinnashtakavarga in the cells of the birth chart.
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
    void ShowChosenVarga();
    void ShowChalit();
    BinduChoice BindusChosen() const;
    ChartContent WithChosenBindus(ChartContent content) const;
    const VargaChart& ChosenChart() const;

    ChartView* view_;
    QRadioButton* south_;
    QRadioButton* north_;
    QLabel* northReason_;
    QRadioButton* graha_;
    QRadioButton* rashi_;
    QCheckBox* chalit_;
    QLabel* aspects_;
    QComboBox* varga_;
    QComboBox* bindus_;
    std::optional<Ashtakavarga> ashtakavarga_;
    VargaTable* table_;
    bool prefersNorth_ = false;
    const Calculation* calculation_ = nullptr;
};

}  // namespace sarovin
