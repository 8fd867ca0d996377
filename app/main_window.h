#pragma once

#include <QMainWindow>

#include "app/reading_commands.h"
#include "calculation/calculation.h"

class QStackedWidget;

namespace sarovin {

class EphemerisMenu;
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

    const BirthRecord& Record() const { return calculation_.record; }

  private:
    void BuildMenus();
    void WatchTextBoxes();
    // Shows the results of a calculation, or its refusal on the input panel.
    void ShowCalculation(Result<Calculation> calculation);
    void ShowRefusal(const Refusal& refusal);
    void ShowReading(const std::optional<std::string>& bytes);
    void RecalculateShownResults();
    // The ephemeris menu's choice with the house system menu's.
    EphemerisChoice ChosenEphemeris() const;

    PlatformServices& platform_;
    InputPanel* inputPanel_;
    ResultsPanel* resultsPanel_;
    QStackedWidget* panels_;
    // The last calculation shown; its record is what a box holding no
    // number falls back on in the next one.
    Calculation calculation_;
    EphemerisMenu* ephemerisMenu_;
    HouseSystemMenu* housesMenu_;
    // Print and Export PDF, which wait for results on show.
    QList<QAction*> documentActions_;
    ReadingPlaces readingPlaces_;
};

}  // namespace sarovin
