#pragma once

#include <QWidget>
#include <filesystem>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"
#include "comparison/chart_comparison.h"
#include "document/transit_pages.h"

class QLabel;
class QTabWidget;

namespace sarovin {

class ChartTab;
class CompareTab;
class AshtakavargaTab;
class DashaTab;
class DrishtiTab;
class HousesTab;
class PositionsTab;
class SputaTab;
class StrengthTab;
class TransitsTab;

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
    // The Compare tab with the chart on show (A) and a second one (B), in
    // front; a new calculation hides it again.
    void ShowComparison(const Calculation& a, const Calculation& b,
                        const ChartComparison& comparison);
    // The style the chart tab draws the chart in, for printing it alike.
    ChartStyle ChartStyleShown() const;
    // The transits found, while their tab is on show, for printing them.
    std::optional<TransitPrint> TransitsOnShow() const;
    // True while the Compare tab is the one on show.
    bool ComparisonShown() const;
    // True while the Ashtakavarga tab is the one on show: its table is
    // printed after the reading's pages.
    bool AshtakavargaShown() const;
    // The year the Dasha tab counts the periods in.
    DashaYear DashaYearChosen() const;

  signals:
    // A reading file dropped on the results, to compare with.
    void CompareFileDropped(const std::filesystem::path& path);
    void SaveRequested();
    void BackRequested();
    // The button beside a disagreement of the ephemerides was pressed.
    void SwissRequested();
    // Another year was chosen for the periods: the reading is computed
    // again in it.
    void DashaYearChanged();

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void AddTabKeys();
    QWidget* BuildPrecisionRow();
    void ShowHouses(const Calculation& calculation);
    void ShowSwissHint(const Calculation& calculation);
    void ShowTransits(const Calculation& calculation);
    void ShowAshtakavarga(const Calculation& calculation);
    void ShowStrengths(const Calculation& calculation);
    void ShowGivenPositions(const std::optional<GivenPositions>& given);
    QLabel* birthLine_;
    QLabel* offsetLine_;
    QLabel* ephemerisLine_;
    QLabel* givenLine_;
    QLabel* swissHint_;
    QWidget* precisionRow_;
    QLabel* precisionLine_;
    QTabWidget* tabs_;
    DrishtiTab* graha_;
    DrishtiTab* rashi_;
    SputaTab* sputa_;
    HousesTab* houses_;
    TransitsTab* transits_;
    ChartTab* chart_;
    CompareTab* compare_;
    DashaTab* dasha_;
    PositionsTab* positions_;
    AshtakavargaTab* ashtakavarga_;
    StrengthTab* strength_;
};

}  // namespace sarovin
