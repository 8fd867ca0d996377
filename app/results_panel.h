#pragma once

#include <QWidget>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"

class QLabel;
class QTabWidget;

namespace sarovin {

class ChartTab;
class DrishtiTab;
class HousesTab;
class SputaTab;

// The results of a calculation on five frames switched by a tab strip,
// the three Drishti, the houses and the chart, with Save and Back beneath
// them. The houses tab waits for a reading with houses.
class ResultsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    // The birth and ephemeris lines above the tabs and the three results.
    void ShowCalculation(const Calculation& calculation);
    // Graha Drishti in front, its tab selected.
    void ShowGrahaFrame();
    // The style the chart tab draws the chart in, for printing it alike.
    ChartStyle ChartStyleShown() const;

  signals:
    void SaveRequested();
    void BackRequested();

  private:
    void AddTabKeys();
    void ShowHouses(const Calculation& calculation);
    QLabel* birthLine_;
    QLabel* ephemerisLine_;
    QTabWidget* tabs_;
    DrishtiTab* graha_;
    DrishtiTab* rashi_;
    SputaTab* sputa_;
    HousesTab* houses_;
    ChartTab* chart_;
};

}  // namespace sarovin
