#pragma once

#include <QMainWindow>

#include "app/shell/reading_commands.h"
#include "calculation/calculation.h"
#include "comparison/chart_comparison.h"

class QMenu;
class QStackedWidget;

namespace sarovin {

class EphemerisMenu;
class RulesMenu;
class HouseSystemMenu;
class InputPanel;
class PlatformServices;
class ResultsPanel;

// frmMain: the input panel and the results panel at one place, one in
// front at a time, with the menus and the promotional labels.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(PlatformServices& platform, QWidget* parent = nullptr);

    // Validates the input, fills the birth record, computes and shows the
    // results with the Graha Drishti frame in front. A refused input
    // changes nothing.
    void CalculateDrishti();
    bool ValidateInput();
    void SaveReading();
    void OpenReading();
    // Opens the reading at `path` as if it had been chosen in the open
    // dialog: the same checks, messages and calculation.
    void OpenReadingFile(const std::filesystem::path& path);
    void FindLatitudeLongitude();
    void ShowInputPanel();
    void PrintReading();
    void ExportPdf();
    // Asks for a second reading and compares the chart on show with it.
    void CompareWithReading();
    // Compares the chart on show with the reading at `path`, computed with
    // the same ephemeris and rules; its refusal is shown with its name.
    void CompareWithReadingFile(const std::filesystem::path& path);

    const BirthRecord& Record() const { return calculation_.record; }

  protected:
    // The window's size and place are kept for the next start.
    void closeEvent(QCloseEvent* event) override;
    // A reading file dropped on the window opens (on the results it is
    // compared instead, there).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenus();
    void BuildFileMenu();
    // Says once each note on a Swiss Ephemeris data file in use that is
    // not the build Sarovin knows but gives the reference positions.
    void ShowNewDataFileNotes();
    // Lists the recent readings in the File menu's submenu.
    void ListRecentReadings();
    // The ephemeris menu's choice with the rules menu's.
    EphemerisChoice Choice() const;
    // What every reading on show computes: the sixteen vargas with their
    // spans, the periods in the Dasha tab's year, Parashara's Ashtakavarga.
    CalculationScope Scope() const;
    void WatchTextBoxes();
    // Shows the results of a calculation, or its refusal on the input panel.
    // `form` is the panel it was calculated from.
    void ShowCalculation(Result<Calculation> calculation, const InputForm& form,
                         bool keepTab = false);
    void ShowRefusal(const Refusal& refusal);
    void ShowReading(const std::optional<std::string>& bytes);
    void RecalculateShownResults();

    PlatformServices& platform_;
    InputPanel* inputPanel_;
    ResultsPanel* resultsPanel_;
    QStackedWidget* panels_;
    // The last calculation shown; its record is what a box holding no
    // number falls back on in the next one.
    Calculation calculation_;
    // The panel the calculation on show came from, which a change of
    // ephemeris or rules recomputes, whatever the panel holds since.
    InputForm shownForm_;
    // The reading compared with the one on show, and the comparison the
    // Compare tab shows and prints; none until a reading is compared.
    struct Compared {
        Calculation b;
        ChartComparison comparison;
    };
    std::optional<Compared> compared_;
    std::size_t dataFileNotesShown_ = 0;
    EphemerisMenu* ephemerisMenu_;
    RulesMenu* rulesMenu_;
    HouseSystemMenu* housesMenu_;
    // Print and Export PDF, which wait for results on show.
    QList<QAction*> documentActions_;
    QMenu* recentMenu_;
    ReadingPlaces readingPlaces_;
};

}  // namespace sarovin
