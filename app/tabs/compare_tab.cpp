#include "app/tabs/compare_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/tabs/chart_view.h"
#include "chart/strength_tint.h"
#include "comparison/comparison_texts.h"
#include "document/chart_palette.h"
#include "engine/body_slot.h"
#include "form/birth_summary.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

QLabel* MakeText(QWidget* parent, const char* name, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(ToQString(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) {
        QFont strong = label->font();
        strong.setBold(true);
        label->setFont(strong);
    }
    return label;
}

QTableWidget* MakeGrid(QWidget* parent, const char* name) {
    auto* table = new QTableWidget(ASPECTING_PLANETS, BODY_COUNT + 1, parent);
    table->setObjectName(ToQString(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QStringList rows;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        rows << ToQString(SlotNames[planet].englishName);
    }
    table->setVerticalHeaderLabels(rows);
    QStringList columns;
    for (const BodyNames& names : SlotNames) {
        columns << ToQString(names.englishName);
    }
    columns << QStringLiteral("Lagna");
    table->setHorizontalHeaderLabels(columns);
    return table;
}

// A cell of virupas on the Sputa tab's tint, bold from 45, with both
// bodies named in its tooltip.
QTableWidgetItem* MakeCell(double virupas, const QString& tip) {
    auto* item = new QTableWidgetItem(ToQString(VirupasText(virupas)));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const StrengthLook look = LookOfStrength(virupas);
    item->setBackground(ToQColor(look.tint));
    item->setForeground(ToQColor(look.ink));
    QFont font = item->font();
    font.setBold(look.bold);
    item->setFont(font);
    item->setToolTip(tip);
    return item;
}

void FillGrid(QTableWidget* table, const CrossSputa& cross, std::string_view fromName,
              std::string_view ontoName) {
    const auto tip = [&](int planet, std::string_view aspected, double virupas) {
        return QStringLiteral("%1 of %2 aspecting %3 of %4: %5 virupas")
            .arg(ToQString(SlotNames[planet].englishName), ToQString(fromName), ToQString(aspected),
                 ToQString(ontoName), ToQString(VirupasText(virupas)));
    };
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        for (int body = 0; body < BODY_COUNT; ++body) {
            const double virupas = cross.onBodies[planet][body];
            table->setItem(planet, body,
                           MakeCell(virupas, tip(planet, SlotNames[body].englishName, virupas)));
        }
        if (cross.onLagna) {
            const double virupas = (*cross.onLagna)[planet];
            table->setItem(planet, BODY_COUNT, MakeCell(virupas, tip(planet, "Lagna", virupas)));
        }
    }
    table->setColumnHidden(BODY_COUNT, !cross.onLagna);
}

QString MutualText(const ChartComparison& comparison, std::string_view aName,
                   std::string_view bName) {
    QStringList lines{ToQString(MUTUAL_HEADING) + QLatin1Char(':')};
    for (const MutualAspect& pair : comparison.mutual) {
        lines << ToQString(MutualAspectLine(pair, aName, bName));
    }
    if (comparison.mutual.empty()) {
        lines << QStringLiteral("none");
    }
    return lines.join(QLatin1Char('\n'));
}

QString GrahaText(const std::array<GrahaAcross, GRAHA_ROWS>& rows, const Sky& from,
                  std::string_view fromName, std::string_view ontoName) {
    QStringList lines;
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        lines << ToQString(GrahaAcrossSentence(body, rows[body], from, fromName, ontoName));
    }
    return lines.join(QLatin1Char('\n'));
}

// "A: Asha Rao — 15 June 1980 08:30, …" over the offset the clock kept, as
// the lines above the tabs give the chart on show.
QString BirthLines(const Calculation& calculation, const QString& letter) {
    return letter + QStringLiteral(": ") + ToQString(BirthSummary(calculation.record)) +
           QStringLiteral("\n    ") +
           ToQString(OffsetUsedText(calculation.record, calculation.zonePosition));
}

constexpr int A_OUTSIDE = 0;

}  // namespace

CompareTab::CompareTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FrameCompare"));
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    title_ = MakeText(content, "lblCompareTitle", true);
    births_ = MakeText(content, "lblCompareBirths");
    outer_ = new QComboBox(content);
    outer_->setObjectName(QStringLiteral("cboCompareArrows"));
    outer_->setAccessibleName(QStringLiteral("Arrows of"));
    auto* outerLabel = new QLabel(QStringLiteral("Arrows &of:"), content);
    outerLabel->setBuddy(outer_);
    auto* outerRow = new QHBoxLayout;
    outerRow->addWidget(outerLabel);
    outerRow->addWidget(outer_);
    outerRow->addStretch(1);
    chart_ = new ChartView(content);
    chart_->setObjectName(QStringLiteral("picCompareChart"));
    chartCaption_ = MakeText(content, "lblCompareChart");
    mutual_ = MakeText(content, "lblCompareMutual");
    aOnBCaption_ = MakeText(content, "lblCompareAOnB", true);
    aOnB_ = MakeGrid(content, "tblCompareAOnB");
    grahaAOnB_ = MakeText(content, "lblCompareGrahaAOnB");
    bOnACaption_ = MakeText(content, "lblCompareBOnA", true);
    bOnA_ = MakeGrid(content, "tblCompareBOnA");
    grahaBOnA_ = MakeText(content, "lblCompareGrahaBOnA");
    column->addWidget(title_);
    column->addWidget(births_);
    column->addLayout(outerRow);
    for (QWidget* part :
         std::initializer_list<QWidget*>{chart_, chartCaption_, mutual_, aOnBCaption_, aOnB_,
                                         grahaAOnB_, bOnACaption_, bOnA_, grahaBOnA_}) {
        column->addWidget(part);
    }
    connect(outer_, &QComboBox::currentIndexChanged, this, &CompareTab::ShowChosenOuter);
    column->addStretch(1);
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("scrCompare"));
    scroller->setWidget(content);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
}

void CompareTab::ShowComparison(const Calculation& a, const Calculation& b,
                                const ChartComparison& comparison, ChartStyle style) {
    const std::string_view aName = ChartName(a.record.name, "A");
    const std::string_view bName = ChartName(b.record.name, "B");
    title_->setText(ToQString(ComparisonTitle(aName, bName, comparison.sameBirth)));
    births_->setText(BirthLines(a, QStringLiteral("A")) + QLatin1Char('\n') +
                     BirthLines(b, QStringLiteral("B")));
    a_ = &a;
    b_ = &b;
    {
        const QSignalBlocker blocker(outer_);
        outer_->clear();
        outer_->addItems(
            {QStringLiteral("A, ") + ToQString(aName), QStringLiteral("B, ") + ToQString(bName)});
    }
    chart_->SetStyle(style);
    ShowChosenOuter();
    mutual_->setText(MutualText(comparison, aName, bName));
    aOnBCaption_->setText(ToQString(CrossSputaCaption(aName, bName)));
    FillGrid(aOnB_, comparison.aOnB, aName, bName);
    grahaAOnB_->setText(GrahaText(comparison.grahaAOnB, a.sky, aName, bName));
    bOnACaption_->setText(ToQString(CrossSputaCaption(bName, aName)));
    FillGrid(bOnA_, comparison.bOnA, bName, aName);
    grahaBOnA_->setText(GrahaText(comparison.grahaBOnA, b.sky, bName, aName));
}

// The chosen chart outside with its bodies to choose, the other inside.
void CompareTab::ShowChosenOuter() {
    if (!a_ || !b_) {
        return;
    }
    const bool aOutside = outer_->currentIndex() == A_OUTSIDE;
    const Calculation& outer = aOutside ? *a_ : *b_;
    const Calculation& inner = aOutside ? *b_ : *a_;
    const std::string_view outerName = ChartName(outer.record.name, aOutside ? "A" : "B");
    const std::string_view innerName = ChartName(inner.record.name, aOutside ? "B" : "A");
    chart_->ShowComparison(outer, inner);
    chartCaption_->setText(ToQString(DoubleChartCaption(outerName, innerName)) +
                           QStringLiteral(" Choose a body of %1 to draw its Graha Drishti across.")
                               .arg(ToQString(outerName)));
}

}  // namespace sarovin
