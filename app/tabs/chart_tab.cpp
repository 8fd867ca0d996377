#include "app/tabs/chart_tab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/tabs/chart_view.h"
#include "app/tabs/varga_table.h"
#include "app/widgets/scrolled_content.h"
#include "calculation/sky_motion.h"
#include "chart/bhava_chalit.h"
#include "houses/house_texts.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const QString STYLE_KEY = QStringLiteral("chart/style");
const QString ASPECTS_KEY = QStringLiteral("chart/aspects");
const QString NORTH = QStringLiteral("north");
const QString RASHI = QStringLiteral("rashi");

const QString CHALIT_NEEDS_HOUSES =
    QStringLiteral("The Bhava Chalit chart needs the houses: choose the Swiss Ephemeris.");
const QString NORTH_NEEDS_LAGNA =
    QStringLiteral("The North Indian chart needs the Lagna: choose the Swiss Ephemeris.");
const QString BINDUS_NEED_LAGNA =
    QStringLiteral("The Ashtakavarga counts from the Lagna: choose the Swiss Ephemeris.");
// The Bindus choices: none, the Sarvashtakavarga, then each point's own
// table in AshtakaPoint's order.
constexpr int NO_BINDUS = 0;
constexpr int SARVA_BINDUS = 1;
constexpr int FIRST_BHINNA = 2;
const QString HOW_TO_CHOOSE = QStringLiteral(
    "Point at a body, click it, or step through the bodies with the arrow keys or Tab to see "
    "its aspects.");

// The splitter's handle, wide enough to grasp, drawn as a groove of two
// lines in the palette's shades so it shows in light and dark palettes.
constexpr int SPLITTER_HANDLE_WIDTH = 8;
constexpr int CHART_STRETCH = 3;
constexpr int SIDE_STRETCH = 2;

void MarkHandle(QSplitter* split) {
    QSplitterHandle* handle = split->handle(1);
    auto* groove = new QFrame(handle);
    groove->setFrameShape(QFrame::VLine);
    groove->setFrameShadow(QFrame::Sunken);
    auto* layout = new QHBoxLayout(handle);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(groove, 0, Qt::AlignHCenter);
}

QRadioButton* MakeChoice(QWidget* parent, const char* name, const QString& caption,
                         QButtonGroup* group) {
    auto* choice = new QRadioButton(caption, parent);
    choice->setObjectName(ToQString(name));
    group->addButton(choice);
    return choice;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(ToQString(name));
    return label;
}

QString ChartDescription(const VargaChart& chart) {
    QStringList lines;
    for (const DrishtiRow& row : chart.graha) {
        lines << ToQString(row.bodyCaption + " " + row.positionCaption + ": " + row.aspectCaption +
                           " " + row.planetsCaption);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

ChartTab::ChartTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame6"));
    // Made first: it stands first in the row of choices.
    varga_ = new QComboBox(this);
    varga_->setObjectName(QStringLiteral("cboVarga"));
    varga_->setAccessibleName(QStringLiteral("Varga"));
    for (const VargaName& name : VargaNames) {
        varga_->addItem(ToQString(std::string(name.key) + " " + std::string(name.name)));
    }
    auto* styles = new QButtonGroup(this);
    south_ = MakeChoice(this, "optSouthIndian", QStringLiteral("So&uth Indian"), styles);
    north_ = MakeChoice(this, "optNorthIndian", QStringLiteral("&North Indian"), styles);
    northReason_ = MakeLabel(this, "lblNorthIndianReason", NORTH_NEEDS_LAGNA);
    northReason_->setWordWrap(true);
    auto* kinds = new QButtonGroup(this);
    graha_ = MakeChoice(this, "optGrahaArrows", QStringLiteral("&Graha Drishti"), kinds);
    rashi_ = MakeChoice(this, "optRashiArrows", QStringLiteral("R&ashi Drishti"), kinds);
    chalit_ = new QCheckBox(QStringLiteral("Bhava Cha&lit"), this);
    chalit_->setObjectName(QStringLiteral("chkBhavaChalit"));
    // Made after the choices, so Tab reaches the chart after them.
    view_ = new ChartView(this);
    // Beside the chart, so Tab reaches it after the chart.
    bindus_ = new QComboBox(this);
    bindus_->setObjectName(QStringLiteral("cboBindus"));
    bindus_->setAccessibleName(QStringLiteral("Bindus"));
    bindus_->addItems({QStringLiteral("None"), QStringLiteral("Sarvashtakavarga")});
    for (const std::string_view point : AshtakaPointNames) {
        bindus_->addItem(ToQString(point));
    }
    aspects_ = MakeLabel(this, "lblChartAspects", HOW_TO_CHOOSE);
    aspects_->setWordWrap(true);
    aspects_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_ = new VargaTable(this);

    QSettings settings;
    prefersNorth_ = settings.value(STYLE_KEY).toString() == NORTH;
    south_->setChecked(true);
    (settings.value(ASPECTS_KEY).toString() == RASHI ? rashi_ : graha_)->setChecked(true);

    auto* choices = new QHBoxLayout;
    auto* vargaLabel = MakeLabel(this, "lblVarga", QStringLiteral("&Varga:"));
    vargaLabel->setBuddy(varga_);
    choices->addWidget(vargaLabel);
    choices->addWidget(varga_);
    choices->addWidget(MakeLabel(this, "lblChartStyle", QStringLiteral("Chart:")));
    choices->addWidget(south_);
    choices->addWidget(north_);
    choices->addWidget(chalit_);
    choices->addWidget(northReason_);
    choices->addStretch();
    choices->addWidget(MakeLabel(this, "lblChartArrows", QStringLiteral("Arrows:")));
    choices->addWidget(graha_);
    choices->addWidget(rashi_);
    // The chart takes the tab's height; beside it the Bindus choice and the
    // chosen body's sentences over the varga table, whose ten rows fit
    // that height.
    auto* sidePart = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(sidePart);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto* bindusRow = new QHBoxLayout;
    auto* bindusLabel = MakeLabel(this, "lblBindus", QStringLiteral("Bindus:"));
    bindusLabel->setBuddy(bindus_);
    bindusRow->addWidget(bindusLabel);
    bindusRow->addWidget(bindus_);
    bindusRow->addStretch();
    sideLayout->addLayout(bindusRow);
    sideLayout->addWidget(aspects_);
    sideLayout->addWidget(table_, 1);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("splChartVargas"));
    split->setChildrenCollapsible(false);
    split->setHandleWidth(SPLITTER_HANDLE_WIDTH);
    split->addWidget(view_);
    split->addWidget(sidePart);
    split->setStretchFactor(0, CHART_STRETCH);
    split->setStretchFactor(1, SIDE_STRETCH);
    MarkHandle(split);
    auto* layout = new QVBoxLayout(ScrolledContent(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices);
    layout->addWidget(split, 1);

    connect(north_, &QRadioButton::toggled, this, [this](bool checked) {
        prefersNorth_ = checked;
        KeepChoices();
        ApplyChoices();
    });
    connect(rashi_, &QRadioButton::toggled, this, [this] {
        KeepChoices();
        ApplyChoices();
    });
    connect(chalit_, &QCheckBox::toggled, this, &ChartTab::ApplyChoices);
    connect(view_, &ChartView::ChosenBodyChanged, this, &ChartTab::ShowChosenAspects);
    connect(varga_, &QComboBox::currentIndexChanged, this, &ChartTab::ShowChosenVarga);
    connect(bindus_, &QComboBox::currentIndexChanged, this, [this] {
        ShowChosenVarga();
        ShowChalit();
    });
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, varga_,
            &QComboBox::setCurrentIndex);
}

void ChartTab::ShowCalculation(const Calculation& calculation) {
    calculation_ = &calculation;
    ashtakavarga_ = calculation.ashtakavarga;
    bindus_->setEnabled(ashtakavarga_.has_value());
    bindus_->setToolTip(ashtakavarga_ ? QString() : BINDUS_NEED_LAGNA);
    table_->ShowVargas(calculation);
    ShowChosenVarga();
    ShowChalit();
    chalit_->setEnabled(calculation.houses.has_value());
    chalit_->setToolTip(calculation.houses ? QString() : CHALIT_NEEDS_HOUSES);
    const bool hasLagna = calculation.sky.lagna.has_value();
    north_->setEnabled(hasLagna);
    north_->setToolTip(hasLagna ? QString() : NORTH_NEEDS_LAGNA);
    northReason_->setVisible(!hasLagna);
    // Without a Lagna the South Indian chart stands in, and the preference
    // for the North Indian one waits for the next reading that has one.
    const QSignalBlocker southBlocker(south_);
    const QSignalBlocker northBlocker(north_);
    (prefersNorth_ && hasLagna ? north_ : south_)->setChecked(true);
    ApplyChoices();
}

// The chart of the chosen varga, with its arrows and sentences.
void ChartTab::ShowChosenVarga() {
    if (!calculation_) {
        return;
    }
    const int varga = varga_->currentIndex();
    const VargaChart& chart = ChosenChart();
    ChartContent content = VargaChartContentOf(*calculation_, chart, varga);
    // The Ashtakavarga is counted from the birth chart's signs.
    if (varga == 0) {
        content = WithChosenBindus(std::move(content));
    }
    view_->ShowChart(std::move(content), chart.graha, chart.rashi);
    view_->setAccessibleDescription(ChartDescription(chart));
    ShowChosenAspects();
}

void ChartTab::ShowChalit() {
    if (calculation_) {
        view_->ShowHouses(WithChosenBindus(BhavaChalitContentOf(*calculation_)),
                          calculation_->houses);
    }
}

BinduChoice ChartTab::BindusChosen() const {
    const int index = bindus_->currentIndex();
    if (index < FIRST_BHINNA) {
        return {index == SARVA_BINDUS, std::nullopt};
    }
    return {false, static_cast<AshtakaPoint>(index - FIRST_BHINNA)};
}

ChartContent ChartTab::WithChosenBindus(ChartContent content) const {
    const BinduChoice choice = BindusChosen();
    if (!ashtakavarga_ || bindus_->currentIndex() == NO_BINDUS) {
        return content;
    }
    return WithBindus(std::move(content), *ChosenBindus(*ashtakavarga_, choice),
                      BinduTableMark(choice));
}

// The window's calculations hold every varga chart.
const VargaChart& ChartTab::ChosenChart() const {
    return *FindVarga(*calculation_, varga_->currentIndex());
}

ChartStyle ChartTab::StyleShown() const {
    return north_->isChecked() ? ChartStyle::NorthIndian : ChartStyle::SouthIndian;
}

void ChartTab::ApplyChoices() {
    view_->SetStyle(StyleShown());
    view_->SetAspectKind(rashi_->isChecked() ? AspectKind::Rashi : AspectKind::Graha);
    view_->SetBhavaChalit(chalit_->isChecked());
    ShowChosenAspects();
}

void ChartTab::KeepChoices() {
    QSettings settings;
    settings.setValue(STYLE_KEY, prefersNorth_ ? NORTH : QStringLiteral("south"));
    settings.setValue(ASPECTS_KEY, rashi_->isChecked() ? RASHI : QStringLiteral("graha"));
}

// The chosen body's two sentences from the tab of the aspects drawn.
void ChartTab::ShowChosenAspects() {
    const std::optional<int> body = view_->ChosenBody();
    if (!body || !calculation_) {
        aspects_->setText(HOW_TO_CHOOSE);
        return;
    }
    if (chalit_->isChecked() && calculation_->houses) {
        aspects_->setText(ToQString(HouseAspectsSentence(*calculation_->houses, *body)));
        return;
    }
    if (graha_->isChecked() && *body >= GRAHA_ROWS) {
        aspects_->setText(QStringLiteral("The S Node takes no part in Graha Drishti."));
        return;
    }
    const VargaChart& chart = ChosenChart();
    const DrishtiRow& row = graha_->isChecked() ? chart.graha[*body] : chart.rashi[*body];
    aspects_->setText(ToQString(row.bodyCaption + " " + row.positionCaption + " \u2014 " +
                                row.aspectCaption + " " + row.planetsCaption));
}

}  // namespace sarovin
