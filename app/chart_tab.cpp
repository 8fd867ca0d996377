#include "app/chart_tab.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/chart_view.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const QString STYLE_KEY = QStringLiteral("chart/style");
const QString ASPECTS_KEY = QStringLiteral("chart/aspects");
const QString NORTH = QStringLiteral("north");
const QString RASHI = QStringLiteral("rashi");

const QString NORTH_NEEDS_LAGNA =
    QStringLiteral("The North Indian chart needs the Lagna: choose the Swiss Ephemeris.");
const QString HOW_TO_CHOOSE = QStringLiteral(
    "Point at a body, click it, or step through the bodies with the arrow keys or Tab to see "
    "its aspects.");

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

}  // namespace

ChartTab::ChartTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame6"));
    auto* styles = new QButtonGroup(this);
    south_ = MakeChoice(this, "optSouthIndian", QStringLiteral("So&uth Indian"), styles);
    north_ = MakeChoice(this, "optNorthIndian", QStringLiteral("&North Indian"), styles);
    northReason_ = MakeLabel(this, "lblNorthIndianReason", NORTH_NEEDS_LAGNA);
    northReason_->setWordWrap(true);
    auto* kinds = new QButtonGroup(this);
    graha_ = MakeChoice(this, "optGrahaArrows", QStringLiteral("&Graha Drishti"), kinds);
    rashi_ = MakeChoice(this, "optRashiArrows", QStringLiteral("R&ashi Drishti"), kinds);
    // Made after the choices, so Tab reaches the chart after them.
    view_ = new ChartView(this);
    aspects_ = MakeLabel(this, "lblChartAspects", HOW_TO_CHOOSE);
    aspects_->setWordWrap(true);
    aspects_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QSettings settings;
    prefersNorth_ = settings.value(STYLE_KEY).toString() == NORTH;
    south_->setChecked(true);
    (settings.value(ASPECTS_KEY).toString() == RASHI ? rashi_ : graha_)->setChecked(true);

    auto* choices = new QHBoxLayout;
    choices->addWidget(MakeLabel(this, "lblChartStyle", QStringLiteral("Chart:")));
    choices->addWidget(south_);
    choices->addWidget(north_);
    choices->addWidget(northReason_);
    choices->addStretch();
    choices->addWidget(MakeLabel(this, "lblChartArrows", QStringLiteral("Arrows:")));
    choices->addWidget(graha_);
    choices->addWidget(rashi_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(view_, 1);
    layout->addWidget(aspects_);

    connect(north_, &QRadioButton::toggled, this, [this](bool checked) {
        prefersNorth_ = checked;
        KeepChoices();
        ApplyChoices();
    });
    connect(rashi_, &QRadioButton::toggled, this, [this] {
        KeepChoices();
        ApplyChoices();
    });
    connect(view_, &ChartView::ChosenBodyChanged, this, &ChartTab::ShowChosenAspects);
}

void ChartTab::ShowCalculation(const Calculation& calculation) {
    calculation_ = &calculation;
    view_->ShowReading(calculation);
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

ChartStyle ChartTab::StyleShown() const {
    return north_->isChecked() ? ChartStyle::NorthIndian : ChartStyle::SouthIndian;
}

void ChartTab::ApplyChoices() {
    view_->SetStyle(StyleShown());
    view_->SetAspectKind(rashi_->isChecked() ? AspectKind::Rashi : AspectKind::Graha);
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
    if (graha_->isChecked() && *body >= GRAHA_ROWS) {
        aspects_->setText(QStringLiteral("The S Node takes no part in Graha Drishti."));
        return;
    }
    const DrishtiReport& report = calculation_->report;
    const DrishtiRow& row = graha_->isChecked() ? report.graha[*body] : report.rashi[*body];
    aspects_->setText(ToQString(row.bodyCaption + " " + row.positionCaption + " \u2014 " +
                                row.aspectCaption + " " + row.planetsCaption));
}

}  // namespace sarovin
