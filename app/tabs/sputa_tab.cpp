#include "app/tabs/sputa_tab.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "app/tabs/classical_sputa_tips.h"
#include "app/tabs/drishti_tab.h"
#include "app/tabs/strength_legend.h"
#include "app/widgets/label_table_accessibility.h"
#include "app/widgets/scrolled_content.h"
#include "chart/strength_tint.h"
#include "document/chart_palette.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

// The grid's rows: the axis caption, the column names, the bodies, then
// the Drik Bala row; its columns: the row names, the bodies, the Lagna,
// a gap and the legend.
constexpr int AXIS_ROW = 0;
constexpr int NAMES_ROW = 1;
constexpr int FIRST_BODY_ROW = 2;
constexpr int DRIK_BALA_ROW = FIRST_BODY_ROW + BODY_COUNT;
constexpr int LAGNA_COLUMN = BODY_COUNT + 1;
constexpr int LEGEND_COLUMN = LAGNA_COLUMN + 1;

// The nodes cast no classical aspect.
const QString NO_ASPECT = QStringLiteral("\u2013");

QLabel* MakeAxisLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(ToQString(name));
    return label;
}

QLabel* MakeCell(QWidget* parent, const char* arrayName, int index) {
    auto* cell = MakeArrayLabel(parent, arrayName, index);
    cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setAutoFillBackground(true);
    cell->setContentsMargins(4, 1, 4, 1);
    return cell;
}

QLabel* MakeHeader(QWidget* parent, const QFont& font, QLabel* header) {
    header->setParent(parent);
    header->setFont(font);
    header->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    header->setContentsMargins(4, 0, 4, 0);
    return header;
}

// The text on its tint, in the ink that stands out on it, bold from 45.
void Paint(QLabel* cell, const QString& text, double strength, const QString& tip) {
    cell->setText(text);
    const StrengthLook look = LookOfStrength(strength);
    QPalette colours = cell->palette();
    colours.setColor(QPalette::Window, ToQColor(look.tint));
    colours.setColor(QPalette::WindowText, ToQColor(look.ink));
    cell->setPalette(colours);
    QFont strong = cell->font();
    strong.setBold(look.bold);
    cell->setFont(strong);
    cell->setToolTip(tip);
}

// "Sun 00 Gem 51 aspecting Mars 23 Leo 17" over "angle 83°, strength 38 of 60":
// the angle the strength was found from.
QString TipOf(const SputaDrishti& sputa, int row, int column) {
    return QStringLiteral("%1 %2 aspecting %3 %4\nangle %5\u00B0, strength %6 of %7")
        .arg(ToQString(sputa.columnCaptions[row]), ToQString(sputa.positionCaptions[row]),
             ToQString(sputa.columnCaptions[column]), ToQString(sputa.positionCaptions[column]))
        .arg(sputa.distances[row][column])
        .arg(sputa.grid[row][column])
        .arg(STRONGEST_SPUTA);
}

}  // namespace

SputaTab::SputaTab(QWidget* parent) : QGroupBox(QStringLiteral("Sputa Drishti"), parent) {
    setObjectName(QStringLiteral("Frame5"));
    QWidget* content = ScrolledContent(this);
    auto* grid = new QGridLayout(content);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    QFont headerFont = font();
    headerFont.setBold(true);
    grid->addWidget(MakeAxisLabel(this, "lblSputaAspected", QStringLiteral("aspected \u2192")),
                    AXIS_ROW, 1, 1, BODY_COUNT);
    grid->addWidget(MakeAxisLabel(this, "lblSputaAspecting", QStringLiteral("aspecting \u2193")),
                    NAMES_ROW, 0, Qt::AlignLeft | Qt::AlignBottom);
    for (int column = 0; column < BODY_COUNT; ++column) {
        QLabel* header =
            MakeHeader(this, headerFont, MakeArrayLabel(this, "lblPlanetsColumn_Sputa", column));
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
            auto* cell = MakeCell(this, "lblSputa_Angle_Sputa", BODY_COUNT * row + column);
            grid->addWidget(cell, FIRST_BODY_ROW + row, column + 1);
            cellLabels_ << cell;
        }
    }
    AddLagnaColumn(grid, headerFont);
    AddDrikBalaRow(grid, headerFont);
    grid->setColumnMinimumWidth(LEGEND_COLUMN, 12);
    legend_ = new StrengthLegend(this);
    grid->addWidget(legend_, FIRST_BODY_ROW, LEGEND_COLUMN + 1, BODY_COUNT, 1);
    grid->setColumnStretch(LEGEND_COLUMN + 2, 1);
    grid->setRowStretch(DRIK_BALA_ROW + 1, 1);
    ReadGridAsTable(content);
}

// Rows aspecting columns, the Lagna's column last while it is shown.
void SputaTab::ReadGridAsTable(QWidget* content) {
    LabelTable table{QStringLiteral("Sputa Drishti: the row's body aspecting the column's"),
                     {columnLabels_.begin(), columnLabels_.end()},
                     {rowLabels_.begin(), rowLabels_.end()},
                     {}};
    table.columnHeaders.push_back(lagnaHeader_);
    for (int row = 0; row < BODY_COUNT; ++row) {
        for (int column = 0; column < BODY_COUNT; ++column) {
            table.cells.push_back(cellLabels_[BODY_COUNT * row + column]);
        }
        table.cells.push_back(lagnaCells_[row]);
    }
    // The Drik Bala row (under the classical rules) and the legend are
    // heard after the grid.
    table.besides.push_back(drikBalaHeader_);
    table.besides.insert(table.besides.end(), drikBalaCells_.begin(), drikBalaCells_.end());
    table.besides.push_back(legend_);
    ReadAsTable(content, std::move(table));
}

// Shown under the classical rules with an ephemeris that gives the Lagna.
void SputaTab::AddLagnaColumn(QGridLayout* grid, const QFont& headerFont) {
    lagnaHeader_ = MakeHeader(this, headerFont, new QLabel(QStringLiteral("Lagna")));
    lagnaHeader_->setObjectName(QStringLiteral("lblSputaLagna"));
    grid->addWidget(lagnaHeader_, NAMES_ROW, LAGNA_COLUMN);
    for (int row = 0; row < BODY_COUNT; ++row) {
        auto* cell = MakeCell(this, "lblSputa_Lagna_Sputa", row);
        grid->addWidget(cell, FIRST_BODY_ROW + row, LAGNA_COLUMN);
        lagnaCells_ << cell;
    }
}

// Shown under the classical rules: the Sun to Saturn.
void SputaTab::AddDrikBalaRow(QGridLayout* grid, const QFont& headerFont) {
    drikBalaHeader_ = new QLabel(QStringLiteral("Drik Bala"), this);
    drikBalaHeader_->setObjectName(QStringLiteral("lblDrikBala"));
    drikBalaHeader_->setFont(headerFont);
    grid->addWidget(drikBalaHeader_, DRIK_BALA_ROW, 0);
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        auto* cell = MakeArrayLabel(this, "lblDrikBala_Value", planet);
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cell->setContentsMargins(4, 1, 4, 1);
        grid->addWidget(cell, DRIK_BALA_ROW, planet + 1);
        drikBalaCells_ << cell;
    }
}

void SputaTab::ShowSputa(const DrishtiReport& report) {
    const SputaDrishti& sputa = report.sputa;
    for (int body = 0; body < BODY_COUNT; ++body) {
        rowLabels_[body]->setText(ToQString(sputa.rowCaptions[body]));
        columnLabels_[body]->setText(ToQString(sputa.columnCaptions[body]));
        positionLabels_[body]->setText(ToQString(sputa.positionCaptions[body]));
        for (int column = 0; column < BODY_COUNT && !report.classical; ++column) {
            ShowOwnStrength(report, body, column);
        }
    }
    const bool classical = report.classical.has_value();
    const bool lagna = classical && report.classical->sputa.lagna;
    lagnaHeader_->setVisible(lagna);
    for (QLabel* cell : lagnaCells_) {
        cell->setVisible(lagna);
    }
    drikBalaHeader_->setVisible(classical);
    for (QLabel* cell : drikBalaCells_) {
        cell->setVisible(classical);
    }
    if (classical) {
        ShowClassical(report);
    }
}

void SputaTab::ShowOwnStrength(const DrishtiReport& report, int row, int column) {
    const int strength = report.sputa.grid[row][column];
    Paint(cellLabels_[BODY_COUNT * row + column], QString::number(strength), strength,
          TipOf(report.sputa, row, column));
}

void SputaTab::ShowClassical(const DrishtiReport& report) {
    const ClassicalStrengths& classical = *report.classical;
    for (int row = 0; row < BODY_COUNT; ++row) {
        const bool casts = row < ASPECTING_PLANETS;
        for (int column = 0; column < BODY_COUNT; ++column) {
            QLabel* cell = cellLabels_[BODY_COUNT * row + column];
            if (casts && row == column) {
                Paint(cell, NO_ASPECT, 0, QStringLiteral("A planet does not aspect itself."));
            } else if (casts) {
                const double virupas = classical.sputa.grid[row][column];
                Paint(cell, ToQString(VirupasText(virupas)), virupas,
                      ClassicalCellTip(report, row, column));
            } else {
                Paint(cell, NO_ASPECT, 0, QString());
            }
        }
        if (classical.sputa.lagna && casts) {
            const double virupas = classical.sputa.lagna->virupas[row];
            Paint(lagnaCells_[row], ToQString(VirupasText(virupas)), virupas,
                  ClassicalLagnaTip(report, row));
        } else {
            Paint(lagnaCells_[row], NO_ASPECT, 0, QString());
        }
    }
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        drikBalaCells_[planet]->setText(ToQString(VirupasText(classical.drikBala[planet].virupas)));
        drikBalaCells_[planet]->setToolTip(DrikBalaTip(report, planet));
    }
}

}  // namespace sarovin
