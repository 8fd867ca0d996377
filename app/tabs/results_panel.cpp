#include "app/tabs/results_panel.h"
#include "app/tabs/compare_tab.h"

#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/shell/dropped_reading.h"
#include "app/tabs/ashtakavarga_tab.h"
#include "app/tabs/chart_tab.h"
#include "app/tabs/dasha_tab.h"
#include "app/tabs/drishti_tab.h"
#include "app/tabs/houses_tab.h"
#include "app/tabs/positions_tab.h"
#include "app/tabs/sputa_tab.h"
#include "app/tabs/strength_tab.h"
#include "app/tabs/transits_tab.h"
#include "app/widgets/graphic_accessibility.h"
#include "calculation/sky_texts.h"
#include "form/birth_summary.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

QLabel* MakeLine(QWidget* parent, const char* name) {
    auto* line = new QLabel(parent);
    line->setObjectName(ToQString(name));
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->setWordWrap(true);
    return line;
}

const QString HOUSES_NEED_LAGNA =
    QStringLiteral("The houses need the Lagna: choose the Swiss Ephemeris.");
// Said once, on the first results computed with the built-in ephemeris.
const QString SWISS_HINT = QStringLiteral(
    "The Swiss Ephemeris (Ephemeris menu) adds the Lagna, the houses, the transits and the "
    "strengths.");
const QString SWISS_HINT_KEY = QStringLiteral("hints/swissShown");
const QString ASHTAKAVARGA_NEEDS_LAGNA = QStringLiteral(
    "The Ashtakavarga counts from the Lagna, which the Swiss Ephemeris gives: choose it in "
    "the Ephemeris menu.");
const QString TRANSITS_NEED_SWISS =
    QStringLiteral("Transits are found with the Swiss Ephemeris: choose it in the Ephemeris menu.");

// Why a calculation under `used` has no strengths; empty when it has them.
QString StrengthsMissingReason(const EphemerisChoice& used) {
    if (used.ephemeris != Ephemeris::Swiss) {
        return QStringLiteral(
            "The Shadbala is computed with the Swiss Ephemeris: choose it in the Ephemeris menu.");
    }
    if (used.rules != Rules::Classical) {
        return QStringLiteral(
            "The Shadbala follows the classical rules: choose them in the Rules menu.");
    }
    return QStringLiteral(
        "The Kala Bala needs the day's sunrise and sunset: the Sun does not rise and set at this "
        "place on this day.");
}

// The Julian day of this moment's Universal Time.
double NowJulianDay() {
    constexpr double UNIX_EPOCH_JULIAN_DAY = 2440587.5;
    constexpr double SECONDS_PER_DAY = 86400;
    return UNIX_EPOCH_JULIAN_DAY +
           static_cast<double>(QDateTime::currentSecsSinceEpoch()) / SECONDS_PER_DAY;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(ToQString(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame2"));
    ReadChartsAsGraphics();
    graha_ = new DrishtiTab(QStringLiteral("Graha Drishti"), QStringLiteral("Frame3"), GRAHA_ROWS,
                            {"lblPlanets_Graha", "lblPlanets_Position_Graha",
                             "lblAspects_Sign_Graha", "lblAspects_Planets_Graha"},
                            this);
    rashi_ = new DrishtiTab(
        QStringLiteral("Rashi Drishti"), QStringLiteral("Frame4"), RASHI_ROWS,
        {"lblPlanets_Rashi", "lblPlanets_Position_Rashi", "lblAspects_Rashi", "lblGrahas_Rashi"},
        this);
    sputa_ = new SputaTab(this);
    houses_ = new HousesTab(this);
    transits_ = new TransitsTab(this);
    chart_ = new ChartTab(this);
    birthLine_ = MakeLine(this, "lblBirth");
    QFont bold = birthLine_->font();
    bold.setBold(true);
    birthLine_->setFont(bold);
    offsetLine_ = MakeLine(this, "lblOffsetUsed");
    ephemerisLine_ = MakeLine(this, "lblEphemeris");
    swissHint_ = MakeLine(this, "lblSwissHint");
    swissHint_->setText(SWISS_HINT);
    swissHint_->hide();
    givenLine_ = MakeLine(this, "lblGivenPositions");
    precisionRow_ = BuildPrecisionRow();
    tabs_ = new QTabWidget(this);
    tabs_->tabBar()->setObjectName(QStringLiteral("TS"));
    tabs_->tabBar()->setExpanding(false);
    tabs_->setDocumentMode(true);
    tabs_->addTab(graha_, QStringLiteral("Graha Drishti"));
    tabs_->addTab(rashi_, QStringLiteral("Rashi Drishti"));
    tabs_->addTab(sputa_, QStringLiteral("Sputa Drishti"));
    tabs_->addTab(chart_, QStringLiteral("Chart"));
    tabs_->addTab(houses_, QStringLiteral("Houses"));
    tabs_->addTab(transits_, QStringLiteral("Transits"));
    setAcceptDrops(true);
    // The Compare tab stands after Transits only while a comparison is
    // shown; out of the tab strip, no screen reader hears it as a tab.
    compare_ = new CompareTab(this);
    compare_->hide();
    dasha_ = new DashaTab(this);
    connect(dasha_, &DashaTab::YearChanged, this, &ResultsPanel::DashaYearChanged);
    tabs_->addTab(dasha_, QStringLiteral("Dasha"));
    strength_ = new StrengthTab(this);
    tabs_->addTab(strength_, QStringLiteral("Strength"));
    ashtakavarga_ = new AshtakavargaTab(this);
    tabs_->addTab(ashtakavarga_, QStringLiteral("Ashtakavarga"));
    positions_ = new PositionsTab(this);
    tabs_->addTab(positions_, QStringLiteral("Positions"));

    AddTabKeys();

    auto* save = MakeButton(this, "cmdSave", QStringLiteral("&Save"));
    auto* back = MakeButton(this, "cmdBack", QStringLiteral("&Back"));
    connect(save, &QPushButton::clicked, this, &ResultsPanel::SaveRequested);
    connect(back, &QPushButton::clicked, this, &ResultsPanel::BackRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(birthLine_);
    layout->addWidget(offsetLine_);
    layout->addWidget(ephemerisLine_);
    layout->addWidget(givenLine_);
    layout->addWidget(swissHint_);
    layout->addWidget(precisionRow_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
}

// One line above the tabs, shown only when the Swiss Ephemeris puts a body
// in another sign than the built-in one, with a button that switches.
QWidget* ResultsPanel::BuildPrecisionRow() {
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("fraPrecision"));
    precisionLine_ = MakeLine(row, "lblPrecision");
    auto* useSwiss = MakeButton(row, "cmdUseSwiss", QStringLiteral("Use the S&wiss Ephemeris"));
    connect(useSwiss, &QPushButton::clicked, this, &ResultsPanel::SwissRequested);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(precisionLine_, 1);
    layout->addWidget(useSwiss);
    row->hide();
    return row;
}

// Ctrl+Tab and Ctrl+Page Down go to the next tab, Ctrl+Shift+Tab and
// Ctrl+Page Up to the previous one, wherever the focus is in the window
// while the panel is shown, passing over a disabled or hidden tab.
void ResultsPanel::AddTabKeys() {
    const auto step = [this](int by) {
        return [this, by] {
            int index = tabs_->currentIndex();
            do {
                index = (index + by + tabs_->count()) % tabs_->count();
            } while (!tabs_->isTabEnabled(index) || !tabs_->isTabVisible(index));
            tabs_->setCurrentIndex(index);
        };
    };
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [key, by] : keys) {
        auto* shortcut = new QShortcut(key, this, step(by));
        shortcut->setContext(Qt::WindowShortcut);
    }
}

void ResultsPanel::ShowCalculation(const Calculation& calculation) {
    birthLine_->setText(ToQString(BirthSummary(calculation.record)));
    offsetLine_->setText(ToQString(OffsetUsedText(calculation.record, calculation.zonePosition)));
    const std::vector<std::string>& warnings = calculation.precisionWarnings;
    std::string precision;
    for (const std::string& warning : warnings) {
        precision += (precision.empty() ? "" : "; ") + warning;
    }
    precisionLine_->setText(ToQString(precision.empty() ? precision : precision + "."));
    precisionRow_->setVisible(!warnings.empty());
    const std::string lagna = LagnaLine(calculation.sky);
    ephemerisLine_->setText(ToQString(EphemerisLineWithRules(calculation.sky) +
                                      (lagna.empty() ? "" : " \u00B7 " + lagna)));
    ShowSwissHint(calculation);
    ShowGivenPositions(calculation.sky.used.given);
    const DrishtiReport& report = calculation.report;
    graha_->ShowRows(report.graha);
    rashi_->ShowRows(report.rashi);
    sputa_->ShowSputa(report);
    ShowHouses(calculation);
    ShowTransits(calculation);
    chart_->ShowCalculation(calculation);
    dasha_->ShowCalculation(calculation, NowJulianDay());
    ShowStrengths(calculation);
    ShowAshtakavarga(calculation);
    positions_->ShowCalculation(calculation);
    if (const int index = tabs_->indexOf(compare_); index >= 0) {
        tabs_->removeTab(index);
    }
}

void ResultsPanel::ShowComparison(const Calculation& a, const Calculation& b,
                                  const ChartComparison& comparison) {
    compare_->ShowComparison(a, b, comparison, chart_->StyleShown());
    if (tabs_->indexOf(compare_) < 0) {
        tabs_->insertTab(tabs_->indexOf(transits_) + 1, compare_, QStringLiteral("Compare"));
    }
    tabs_->setCurrentWidget(compare_);
}

void ResultsPanel::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedReading(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void ResultsPanel::dropEvent(QDropEvent* event) {
    const std::filesystem::path path = DroppedReading(event->mimeData());
    if (!path.empty()) {
        event->acceptProposedAction();
        emit CompareFileDropped(path);
    }
}

// The hint stays for the first results of the built-in ephemeris and is
// not shown again.
void ResultsPanel::ShowSwissHint(const Calculation& calculation) {
    QSettings settings;
    const bool first = calculation.sky.used.ephemeris == Ephemeris::BuiltIn &&
                       !settings.value(SWISS_HINT_KEY).toBool();
    swissHint_->setVisible(first);
    if (first) {
        settings.setValue(SWISS_HINT_KEY, true);
    }
}

// Without the Swiss Ephemeris the tab is disabled, and its tooltip says why.
void ResultsPanel::ShowTransits(const Calculation& calculation) {
    const bool swiss = calculation.sky.used.ephemeris == Ephemeris::Swiss;
    const int index = tabs_->indexOf(transits_);
    tabs_->setTabEnabled(index, swiss);
    tabs_->setTabToolTip(index, swiss ? QString() : TRANSITS_NEED_SWISS);
    transits_->ShowReading(calculation);
}

// Without a Lagna the tab is disabled, and its tooltip says why.
void ResultsPanel::ShowAshtakavarga(const Calculation& calculation) {
    const int index = tabs_->indexOf(ashtakavarga_);
    const bool computed = calculation.ashtakavarga.has_value();
    tabs_->setTabEnabled(index, computed);
    tabs_->setTabToolTip(index, computed ? QString() : ASHTAKAVARGA_NEEDS_LAGNA);
    ashtakavarga_->ShowCalculation(calculation);
}

// Without houses the tab is disabled, and its tooltip says why.
void ResultsPanel::ShowHouses(const Calculation& calculation) {
    const int index = tabs_->indexOf(houses_);
    tabs_->setTabEnabled(index, calculation.houses.has_value());
    tabs_->setTabToolTip(index, calculation.houses ? QString() : HOUSES_NEED_LAGNA);
    if (calculation.houses) {
        houses_->ShowHouses(
            *calculation.houses, calculation.sky.bodies,
            calculation.strengths ? std::optional(calculation.strengths->bhavaBala) : std::nullopt);
    }
}

// The line saying the positions are given, shown only when they are.
void ResultsPanel::ShowGivenPositions(const std::optional<GivenPositions>& given) {
    givenLine_->setVisible(given.has_value());
    if (given) {
        QString positions = ToQString(GivenPositionsText(*given));
        positions.replace(QLatin1Char('='), QLatin1Char(' '));
        positions.replace(QLatin1Char(','), QStringLiteral(", "));
        givenLine_->setText(
            QStringLiteral("Positions given in place of the ephemeris's: %1.").arg(positions));
    }
}

// Without strengths the tab is disabled, and its tooltip says why.
void ResultsPanel::ShowStrengths(const Calculation& calculation) {
    const int index = tabs_->indexOf(strength_);
    tabs_->setTabEnabled(index, calculation.strengths.has_value());
    tabs_->setTabToolTip(
        index, calculation.strengths ? QString() : StrengthsMissingReason(calculation.sky.used));
    if (calculation.strengths) {
        strength_->ShowStrengths(*calculation.strengths);
    }
}

std::optional<TransitPrint> ResultsPanel::TransitsOnShow() const {
    if (tabs_->currentWidget() != transits_) {
        return std::nullopt;
    }
    return transits_->PrintedTransits();
}

bool ResultsPanel::AshtakavargaShown() const {
    return tabs_->currentWidget() == ashtakavarga_;
}

DashaYear ResultsPanel::DashaYearChosen() const {
    return dasha_->YearChosen();
}

bool ResultsPanel::ComparisonShown() const {
    return tabs_->currentWidget() == compare_;
}

ChartStyle ResultsPanel::ChartStyleShown() const {
    return chart_->StyleShown();
}

void ResultsPanel::ShowGrahaFrame() {
    tabs_->setCurrentWidget(graha_);
    // The keyboard goes on from the tabs, so the arrow keys move between them.
    tabs_->tabBar()->setFocus();
}

}  // namespace sarovin
