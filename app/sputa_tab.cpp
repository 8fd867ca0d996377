#include "app/sputa_tab.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/drishti_tab.h"
#include "app/strength_legend.h"
#include "chart/strength_tint.h"
#include "document/chart_palette.h"
#include "drishti/sputa_grid.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

// The grid's rows: the axis caption, the column names, then the bodies.
constexpr int AXIS_ROW = 0;
constexpr int NAMES_ROW = 1;
constexpr int FIRST_BODY_ROW = 2;
constexpr int LEGEND_COLUMN = BODY_COUNT + 1;

QLabel* MakeAxisLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(ToQString(name));
    return label;
}

QLabel* MakeCell(QWidget* parent, int index) {
    auto* cell = MakeArrayLabel(parent, "lblSputa_Angle_Sputa", index);
    cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setAutoFillBackground(true);
    cell->setContentsMargins(4, 1, 4, 1);
    return cell;
}

// "Sun 00 Gem 51 aspecting Mars 23 Leo 17" over "angle 83°, strength 38 of 60":
// the angle the strength was found from.
QString TipOf(const SputaDrishti& sputa, const BodyTable& bodies, int row, int column) {
    return QStringLiteral("%1 %2 aspecting %3 %4\nangle %5\u00B0, strength %6 of %7")
        .arg(ToQString(sputa.columnCaptions[row]), ToQString(sputa.positionCaptions[row]),
             ToQString(sputa.columnCaptions[column]), ToQString(sputa.positionCaptions[column]))
        .arg(SputaDistance(bodies.entries[row].place, bodies.entries[column].place))
        .arg(sputa.grid[row][column])
        .arg(STRONGEST_SPUTA);
}

}  // namespace

SputaTab::SputaTab(QWidget* parent) : QGroupBox(QStringLiteral("Sputa Drishti"), parent) {
    setObjectName(QStringLiteral("Frame5"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    QFont headerFont = font();
    headerFont.setBold(true);
    grid->addWidget(MakeAxisLabel(this, "lblSputaAspected", QStringLiteral("aspected \u2192")),
                    AXIS_ROW, 1, 1, BODY_COUNT);
    grid->addWidget(MakeAxisLabel(this, "lblSputaAspecting", QStringLiteral("aspecting \u2193")),
                    NAMES_ROW, 0, Qt::AlignLeft | Qt::AlignBottom);
    for (int column = 0; column < BODY_COUNT; ++column) {
        auto* header = MakeArrayLabel(this, "lblPlanetsColumn_Sputa", column);
        header->setFont(headerFont);
        header->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        header->setContentsMargins(4, 0, 4, 0);
        grid->addWidget(header, NAMES_ROW, column + 1);
        columnLabels_ << header;
    }
    for (int row = 0; row < BODY_COUNT; ++row) {
        auto* name = MakeArrayLabel(this, "lblPlanetsRow_Sputa", row);
        name->setFont(headerFont);
        auto* position = MakeArrayLabel(this, "lblPlanets_Position_Sputa", row);
        auto* heading = new QVBoxLayout;
        heading->setSpacing(0);
        heading->addWidget(name);
        heading->addWidget(position);
        grid->addLayout(heading, FIRST_BODY_ROW + row, 0);
        rowLabels_ << name;
        positionLabels_ << position;
        for (int column = 0; column < BODY_COUNT; ++column) {
            auto* cell = MakeCell(this, BODY_COUNT * row + column);
            grid->addWidget(cell, FIRST_BODY_ROW + row, column + 1);
            cellLabels_ << cell;
        }
    }
    grid->setColumnMinimumWidth(LEGEND_COLUMN, 12);
    grid->addWidget(new StrengthLegend(this), FIRST_BODY_ROW, LEGEND_COLUMN + 1, BODY_COUNT, 1);
    grid->setColumnStretch(LEGEND_COLUMN + 2, 1);
    grid->setRowStretch(FIRST_BODY_ROW + BODY_COUNT, 1);
}

void SputaTab::ShowSputa(const SputaDrishti& sputa, const BodyTable& bodies) {
    for (int body = 0; body < BODY_COUNT; ++body) {
        rowLabels_[body]->setText(ToQString(sputa.rowCaptions[body]));
        columnLabels_[body]->setText(ToQString(sputa.columnCaptions[body]));
        positionLabels_[body]->setText(ToQString(sputa.positionCaptions[body]));
        for (int column = 0; column < BODY_COUNT; ++column) {
            ShowStrength(sputa, bodies, body, column);
        }
    }
}

// The number on its tint, in the ink that stands out on it, bold from 45.
void SputaTab::ShowStrength(const SputaDrishti& sputa, const BodyTable& bodies, int row,
                            int column) {
    QLabel* cell = cellLabels_[BODY_COUNT * row + column];
    const int strength = sputa.grid[row][column];
    cell->setText(QString::number(strength));
    const Rgb tint = StrengthTint(strength);
    QPalette colours = cell->palette();
    colours.setColor(QPalette::Window, ToQColor(tint));
    colours.setColor(QPalette::WindowText, ToQColor(InkOn(tint)));
    cell->setPalette(colours);
    QFont strong = cell->font();
    strong.setBold(strength >= BOLD_SPUTA);
    cell->setFont(strong);
    cell->setToolTip(TipOf(sputa, bodies, row, column));
}

}  // namespace sarovin
