#include "app/results_panel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/drishti_tab.h"
#include "app/sputa_tab.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(ToQString(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame2"));
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TS"));
    tabs_->setExpanding(false);
    for (const char* caption : {"Graha Drishti", "Rashi Drishti", "Sputa Drishti"}) {
        tabs_->addTab(ToQString(caption));
    }
    graha_ = new DrishtiTab(QStringLiteral("Graha Drishti"), QStringLiteral("Frame3"), GRAHA_ROWS,
                            {"lblPlanets_Graha", "lblPlanets_Position_Graha",
                             "lblAspects_Sign_Graha", "lblAspects_Planets_Graha"},
                            this);
    rashi_ = new DrishtiTab(
        QStringLiteral("Rashi Drishti"), QStringLiteral("Frame4"), RASHI_ROWS,
        {"lblPlanets_Rashi", "lblPlanets_Position_Rashi", "lblAspects_Rashi", "lblGrahas_Rashi"},
        this);
    sputa_ = new SputaTab(this);
    frames_ = new QStackedWidget(this);
    frames_->addWidget(graha_);
    frames_->addWidget(rashi_);
    frames_->addWidget(sputa_);
    connect(tabs_, &QTabBar::currentChanged, frames_, &QStackedWidget::setCurrentIndex);

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
    layout->addWidget(tabs_);
    layout->addWidget(frames_, 1);
    layout->addLayout(buttons);
}

void ResultsPanel::ShowReport(const DrishtiReport& report) {
    graha_->ShowRows(report.graha);
    rashi_->ShowRows(report.rashi);
    sputa_->ShowSputa(report.sputa);
}

void ResultsPanel::ShowGrahaFrame() {
    tabs_->setCurrentIndex(0);
    frames_->setCurrentWidget(graha_);
}

}  // namespace sarovin
