#include "app/shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/panel/character_filter.h"
#include "app/panel/input_panel.h"
#include "app/shell/dropped_reading.h"
#include "app/shell/ephemeris_menu.h"
#include "app/shell/house_system_menu.h"
#include "app/shell/print_commands.h"
#include "app/shell/reading_commands.h"
#include "app/shell/rules_menu.h"
#include "app/shell/window_size.h"
#include "app/tabs/results_panel.h"
#include "form/input_checks.h"
#include "form/place_lookup.h"
#include "links/about_box.h"
#include "links/program_texts.h"
#include "links/promotion_panel.h"
#include "links/web_page.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"
#include "swiss/swiss_ephemeris.h"

namespace sarovin {

namespace {

QAction* AddAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(ToQString(name));
    return action;
}

const QString GEOMETRY_KEY = QStringLiteral("window/geometry");

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(ToQString(name));
}

}  // namespace

MainWindow::MainWindow(PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramCaption());
    inputPanel_ = new InputPanel;
    resultsPanel_ = new ResultsPanel;
    panels_ = new QStackedWidget;
    panels_->addWidget(inputPanel_);
    panels_->addWidget(resultsPanel_);

    // Each panel scrolls its content inside itself, so its commands and the
    // tab strip stay in view on any screen.
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(panels_, 1);
    layout->addWidget(new PromotionPanel(platform_, central));
    setCentralWidget(central);

    BuildMenus();
    WatchTextBoxes();
    connect(inputPanel_, &InputPanel::CalculateRequested, this, &MainWindow::CalculateDrishti);
    connect(inputPanel_, &InputPanel::OpenRequested, this, &MainWindow::OpenReading);
    connect(inputPanel_, &InputPanel::PlaceLookupRequested, this,
            &MainWindow::FindLatitudeLongitude);
    connect(resultsPanel_, &ResultsPanel::SaveRequested, this, &MainWindow::SaveReading);
    connect(resultsPanel_, &ResultsPanel::BackRequested, this, &MainWindow::ShowInputPanel);
    connect(resultsPanel_, &ResultsPanel::CompareFileDropped, this,
            &MainWindow::CompareWithReadingFile);
    ShowInputPanel();
    readingPlaces_.recent = LoadRecentReadings();
    setAcceptDrops(true);
    // Room for the longest Rashi sentence on one line where the screen has it,
    // until the window has been closed once; then where it was left.
    const QRect available = screen()->availableGeometry();
    resize(FirstWindowSize(QSize(900, 640), available.size()));
    move(CentredPosition(size(), available));
    restoreGeometry(QSettings().value(GEOMETRY_KEY).toByteArray());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QSettings().setValue(GEOMETRY_KEY, saveGeometry());
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedReading(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::filesystem::path path = DroppedReading(event->mimeData());
    if (!path.empty()) {
        event->acceptProposedAction();
        OpenReadingFile(path);
    }
}

// The specified entries first and last; the others between them.
void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddAction(file, "mnuCalculate", QStringLiteral("Get My &Rasi Chart")),
            &QAction::triggered, this, &MainWindow::CalculateDrishti);
    QAction* open = AddAction(file, "mnuOpenReading", QStringLiteral("&Open Reading\u2026"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::OpenReading);
    recentMenu_ = file->addMenu(QStringLiteral("Recent R&eadings"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::ListRecentReadings);
    QAction* save = AddAction(file, "mnuSaveReading", QStringLiteral("&Save Reading\u2026"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &MainWindow::SaveReading);
    documentActions_ = {save, AddAction(file, "mnuPrint", QStringLiteral("&Print\u2026")),
                        AddAction(file, "mnuExportPdf", QStringLiteral("Export P&DF\u2026"))};
    connect(documentActions_[1], &QAction::triggered, this, &MainWindow::PrintReading);
    connect(documentActions_[2], &QAction::triggered, this, &MainWindow::ExportPdf);
    documentActions_ << AddAction(file, "mnuCompare", QStringLiteral("Compare &With\u2026"));
    connect(documentActions_.back(), &QAction::triggered, this, &MainWindow::CompareWithReading);
    AddSeparator(file, "mnuFileSep");
    connect(AddAction(file, "mnuExit", QStringLiteral("&Exit")), &QAction::triggered, this,
            &QWidget::close);
}

void MainWindow::ListRecentReadings() {
    recentMenu_->clear();
    int number = 0;
    for (const std::filesystem::path& path : readingPlaces_.recent) {
        QAction* entry = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(++number).arg(BytesAsText(path.filename().native())));
        entry->setToolTip(BytesAsText(path.native()));
        entry->setEnabled(IsReadingStillThere(path));
        connect(entry, &QAction::triggered, this, [this, path] { OpenReadingFile(path); });
    }
    if (number == 0) {
        recentMenu_->addAction(QStringLiteral("No readings yet"))->setEnabled(false);
    }
}

void MainWindow::BuildMenus() {
    BuildFileMenu();
    ephemerisMenu_ = new EphemerisMenu(this);
    menuBar()->addMenu(ephemerisMenu_);
    connect(ephemerisMenu_, &EphemerisMenu::ChoiceChanged, this,
            &MainWindow::RecalculateShownResults);
    // The houses are the Swiss Ephemeris's, so their system is chosen beside it.
    housesMenu_ = new HouseSystemMenu(ephemerisMenu_);
    AddSeparator(ephemerisMenu_, "mnuHousesSep");
    ephemerisMenu_->addMenu(housesMenu_);
    connect(housesMenu_, &HouseSystemMenu::ChoiceChanged, this,
            &MainWindow::RecalculateShownResults);
    rulesMenu_ = new RulesMenu(this);
    menuBar()->addMenu(rulesMenu_);
    connect(rulesMenu_, &RulesMenu::ChoiceChanged, this, &MainWindow::RecalculateShownResults);
    connect(resultsPanel_, &ResultsPanel::SwissRequested, ephemerisMenu_,
            &EphemerisMenu::ChooseSwiss);
    connect(resultsPanel_, &ResultsPanel::DashaYearChanged, this,
            &MainWindow::RecalculateShownResults);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    const auto openPage = [this](WebPage page) {
        return [this, page] { OpenWebPage(platform_, page); };
    };
    connect(AddAction(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            openPage(WebPage::OnlineHelp));
    connect(AddAction(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, openPage(WebPage::HomePage));
    AddSeparator(help, "mnuHelpSep1");
    connect(AddAction(help, "mnuUpdate", QStringLiteral("Check for Software &Update")),
            &QAction::triggered, this, openPage(WebPage::DownloadPage));
    AddSeparator(help, "mnuHelpSep2");
    connect(AddAction(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered,
            this, [this] { ShowAboutBox(this, platform_); });

    QAction* donate = menuBar()->addAction(QStringLiteral("Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    connect(donate, &QAction::triggered, this, openPage(WebPage::DonationPage));
}

void MainWindow::WatchTextBoxes() {
    auto* letters = new CharacterFilter(BoxKind::Letters, platform_, this);
    for (QLineEdit* box : inputPanel_->LetterBoxes()) {
        letters->Watch(box);
    }
    auto* digits = new CharacterFilter(BoxKind::Digits, platform_, this);
    for (QLineEdit* box : inputPanel_->DegreeBoxes()) {
        digits->Watch(box);
    }
}

void MainWindow::ShowRefusal(const Refusal& refusal) {
    platform_.ShowMessage(this, ToQString(refusal.message), refusal.icon);
    if (QLineEdit* box = inputPanel_->Box(refusal.focus)) {
        box->setFocus();
    }
    if (refusal.repair != FormRepair::None) {
        InputForm form = inputPanel_->ReadForm();
        ApplyRepair(refusal.repair, form);
        inputPanel_->WriteHemispheres(form);
    }
}

bool MainWindow::ValidateInput() {
    const std::optional<Refusal> refusal = FirstFailingCheck(inputPanel_->ReadForm());
    if (refusal) {
        ShowRefusal(*refusal);
    }
    return !refusal;
}

void MainWindow::ShowCalculation(Result<Calculation> calculation, const InputForm& form,
                                 bool keepTab) {
    if (!calculation) {
        ShowRefusal(calculation.refusal());
        return;
    }
    calculation_ = std::move(*calculation);
    shownForm_ = form;
    compared_.reset();
    resultsPanel_->ShowCalculation(calculation_);
    setWindowTitle(ProgramCaption() + QStringLiteral(" \u2014 ") +
                   ToQString(calculation_.record.name));
    panels_->setCurrentWidget(resultsPanel_);
    if (!keepTab) {
        resultsPanel_->ShowGrahaFrame();
    }
    for (QAction* action : documentActions_) {
        action->setEnabled(true);
    }
    ShowNewDataFileNotes();
}

void MainWindow::ShowNewDataFileNotes() {
    const std::vector<std::string> notes = SwissDataFileNotes();
    for (; dataFileNotesShown_ < notes.size(); ++dataFileNotesShown_) {
        platform_.ShowMessage(this, ToQString(notes[dataFileNotesShown_]),
                              MessageIcon::Information);
    }
}

EphemerisChoice MainWindow::Choice() const {
    EphemerisChoice choice = ephemerisMenu_->Choice();
    choice.rules = rulesMenu_->Choice();
    choice.houses = housesMenu_->Choice();
    choice.strengthRules = rulesMenu_->StrengthChoice();
    return choice;
}

CalculationScope MainWindow::Scope() const {
    CalculationScope scope = EveryVargaWithSpans();
    scope.dasha = resultsPanel_->DashaYearChosen();
    scope.ashtakavarga = AshtakavargaTables::Parashara;
    return scope;
}

void MainWindow::CalculateDrishti() {
    const InputForm form = inputPanel_->ReadForm();
    ShowCalculation(CalculateForm(form, calculation_.record, Choice(), Scope()), form);
}

void MainWindow::ShowInputPanel() {
    panels_->setCurrentWidget(inputPanel_);
    setWindowTitle(ProgramCaption());
    for (QAction* action : documentActions_) {
        action->setEnabled(false);
    }
}

// Results on show follow a change of ephemeris or rules at once, from the panel
// they were calculated from, on the tab that was on show.
void MainWindow::RecalculateShownResults() {
    if (panels_->currentWidget() == resultsPanel_) {
        ShowCalculation(CalculateForm(shownForm_, calculation_.record, Choice(), Scope()),
                        shownForm_, true);
    }
}

void MainWindow::SaveReading() {
    sarovin::SaveReading(this, platform_, calculation_.record, calculation_.zonePosition,
                         calculation_.sky.used.given, readingPlaces_);
}

// With the Compare tab on show, the page of the pair is printed instead of
// the reading's; with the Transits tab on show, the transits follow the
// reading's pages.
void MainWindow::PrintReading() {
    const ChartStyle style = resultsPanel_->ChartStyleShown();
    if (compared_ && resultsPanel_->ComparisonShown()) {
        PrintPair(this, platform_, {calculation_, compared_->b, compared_->comparison, style});
        return;
    }
    const std::optional<TransitPrint> transits = resultsPanel_->TransitsOnShow();
    sarovin::PrintReading(
        this, platform_,
        {calculation_, style, transits ? &*transits : nullptr, resultsPanel_->AshtakavargaShown()});
}

void MainWindow::ExportPdf() {
    const ChartStyle style = resultsPanel_->ChartStyleShown();
    if (compared_ && resultsPanel_->ComparisonShown()) {
        ExportPairPdf(this, platform_, {calculation_, compared_->b, compared_->comparison, style},
                      readingPlaces_);
        return;
    }
    const std::optional<TransitPrint> transits = resultsPanel_->TransitsOnShow();
    ExportReadingPdf(
        this, platform_,
        {calculation_, style, transits ? &*transits : nullptr, resultsPanel_->AshtakavargaShown()},
        readingPlaces_);
}

void MainWindow::OpenReading() {
    ShowReading(AskForReadingBytes(this, platform_, readingPlaces_));
}

void MainWindow::OpenReadingFile(const std::filesystem::path& path) {
    ShowReading(ReadingBytesAt(this, platform_, path, readingPlaces_));
}

void MainWindow::ShowReading(const std::optional<std::string>& bytes) {
    if (!bytes) {
        return;
    }
    // Given positions belong to the reading that gives them.
    EphemerisChoice choice = Choice();
    choice.given.reset();
    OpenedReading opened =
        CalculateReading(*bytes, inputPanel_->ReadForm(), calculation_.record, choice, Scope());
    ephemerisMenu_->ShowGivenPositions(opened.given);
    inputPanel_->WriteForm(opened.form);
    ShowCalculation(std::move(opened.calculation), opened.form);
}

void MainWindow::CompareWithReading() {
    const std::filesystem::path path = AskForComparedReadingPath(this, platform_, readingPlaces_);
    if (!path.empty()) {
        CompareWithReadingFile(path);
    }
}

void MainWindow::CompareWithReadingFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes =
        ComparedReadingBytesAt(this, platform_, path, readingPlaces_);
    if (!bytes) {
        return;
    }
    OpenedReading other =
        CalculateReading(*bytes, InputForm{}, BirthRecord{}, Choice(), CalculationScope{});
    if (!other.calculation) {
        const Refusal& refusal = other.calculation.refusal();
        platform_.ShowMessage(this,
                              BytesAsText(path.filename().native()) + QStringLiteral(": ") +
                                  ToQString(refusal.message),
                              refusal.icon);
        return;
    }
    ChartComparison comparison = CompareReadings(calculation_, *other.calculation);
    compared_ = Compared{std::move(*other.calculation), std::move(comparison)};
    resultsPanel_->ShowComparison(calculation_, compared_->b, compared_->comparison);
}

void MainWindow::FindLatitudeLongitude() {
    const Result<std::string> query = PlaceSearchQuery(inputPanel_->ReadForm());
    if (!query) {
        ShowRefusal(query.refusal());
        return;
    }
    if (!platform_.OpenAddress(PlaceSearchAddress(ToQString(*query)))) {
        platform_.ShowMessage(this,
                              QStringLiteral("No web browser could be opened. Look up the "
                                             "latitude and longitude of %1 on the web.")
                                  .arg(ToQString(*query)),
                              MessageIcon::Information);
    }
}

}  // namespace sarovin
