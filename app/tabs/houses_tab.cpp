#include "app/tabs/houses_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "app/tabs/drishti_tab.h"
#include "app/widgets/label_table_accessibility.h"
#include "app/widgets/scrolled_content.h"
#include "chart/strength_tint.h"
#include "document/chart_palette.h"
#include "houses/bhava_dig_bala.h"
#include "houses/house_texts.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

// The table's columns: number and sign, kept in view; the strengths;
// the rest of the house cells; the seven planets' Sputa Drishti.
constexpr int FROZEN_COLUMNS = 2;
constexpr int ADHIPATI_COLUMN = 4;
constexpr int BHAVA_BALA_COLUMN = 5;
constexpr int RANK_COLUMN = 6;
constexpr int FIRST_SPUTA_COLUMN = 12;
constexpr int TABLE_COLUMNS = FIRST_SPUTA_COLUMN + ASPECTING_PLANETS;
constexpr int HEADING_ROW = 0;

// Where each house cell (HouseColumn) stands in the table.
constexpr std::array<int, HOUSE_COLUMNS> TABLE_COLUMN_OF = {0, 1, 7, 8, 9, 10, 11, 2, 3};

int TableColumnOf(int houseColumn) {
    return TABLE_COLUMN_OF[static_cast<std::size_t>(houseColumn)];
}

QString PlanetName(int planet) {
    return ToQString(SlotNames[static_cast<std::size_t>(planet)].englishName);
}

QString HeadingOf(int column) {
    if (column >= FIRST_SPUTA_COLUMN) {
        return PlanetName(column - FIRST_SPUTA_COLUMN);
    }
    switch (column) {
        case ADHIPATI_COLUMN:
            return QStringLiteral("Bhavadhipati Bala");
        case BHAVA_BALA_COLUMN:
            return QStringLiteral("Bhava Bala (rupas)");
        case RANK_COLUMN:
            return QStringLiteral("Rank");
        default:
            break;
    }
    const auto* found = std::find(TABLE_COLUMN_OF.begin(), TABLE_COLUMN_OF.end(), column);
    return ToQString(HOUSE_HEADINGS[static_cast<std::size_t>(found - TABLE_COLUMN_OF.begin())]);
}

QString HeadingTipOf(int column) {
    if (column >= FIRST_SPUTA_COLUMN) {
        return QStringLiteral("%1's Sputa Drishti on the house's madhya, in virupas")
            .arg(PlanetName(column - FIRST_SPUTA_COLUMN));
    }
    switch (column) {
        case ADHIPATI_COLUMN:
            return QStringLiteral("The Shadbala of the house's lord, in virupas");
        case BHAVA_BALA_COLUMN:
            return QStringLiteral("Bhavadhipati + Dig + Drishti Bala, in rupas");
        case RANK_COLUMN:
            return QStringLiteral("The house's place by Bhava Bala, 1 the strongest");
        default:
            return {};
    }
}

bool IsNumberColumn(int column) {
    return (column >= TableColumnOf(DrishtiBalaColumn) && column <= RANK_COLUMN) ||
           column >= FIRST_SPUTA_COLUMN;
}

// A grid of labels with no gaps but those between cells.
QGridLayout* MakeGrid(QWidget* holder) {
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    return grid;
}

// The columns after the frozen ones, scrolled sideways on their own; the
// page scrolls both up and down together.
QScrollArea* MakeSidewaysScroller(QWidget* parent, QWidget* columns) {
    auto* scroller = new QScrollArea(parent);
    scroller->setObjectName(QStringLiteral("scrHousesColumns"));
    scroller->setWidget(columns);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return scroller;
}

std::string PositionText(double longitude) {
    return ShortPositionOf(SplitSignDms(longitude));
}

// A number on its tint, in the ink that stands out on it, bold from 45.
void Tint(QLabel* cell, double virupas) {
    const StrengthLook look = LookOfStrength(virupas);
    QPalette colours = cell->palette();
    colours.setColor(QPalette::Window, ToQColor(look.tint));
    colours.setColor(QPalette::WindowText, ToQColor(look.ink));
    cell->setPalette(colours);
    QFont strong = cell->font();
    strong.setBold(look.bold);
    cell->setFont(strong);
}

// "Thula madhya: strongest in house 1; house 4 is 3 away, 60 - 3 x 10 = 30".
QString DigBalaTip(const HouseRow& row) {
    const BhavaDigBala& digBala = row.digBala;
    return QStringLiteral(
               "%1 madhya: strongest in house %2\nhouse %3 is %4 away: 60 - %4 x 10 = %5")
        .arg(ToQString(VedicSignNames[row.sign]))
        .arg(digBala.strongestHouse)
        .arg(row.number)
        .arg(digBala.housesAway)
        .arg(ToQString(VirupasText(digBala.virupas)));
}

}  // namespace

HousesTab::HousesTab(QWidget* parent) : QGroupBox(QStringLiteral("Houses"), parent) {
    setObjectName(QStringLiteral("FrameHouses"));
    QWidget* content = ScrolledContent(this);
    auto* frozen = new QWidget(content);
    auto* columns = new QWidget;
    QGridLayout* frozenGrid = MakeGrid(frozen);
    QGridLayout* columnsGrid = MakeGrid(columns);
    QFont headerFont = font();
    headerFont.setBold(true);
    // Both grids' rows keep one height, so that the rows line up.
    const int rowHeight = QFontMetrics(headerFont).height() + 4;
    const auto gridOf = [&](int column) {
        return column < FROZEN_COLUMNS ? frozenGrid : columnsGrid;
    };
    const auto placeOf = [](int column) {
        return column < FROZEN_COLUMNS ? column : column - FROZEN_COLUMNS;
    };
    LabelTable table{QStringLiteral("Houses"), {}, {}, {}};
    for (int column = 0; column < TABLE_COLUMNS; ++column) {
        auto* heading = MakeArrayLabel(this, "lblHousesColumn", column);
        heading->setText(HeadingOf(column));
        heading->setToolTip(HeadingTipOf(column));
        heading->setFont(headerFont);
        heading->setContentsMargins(4, 0, 4, 0);
        heading->setFixedHeight(rowHeight);
        gridOf(column)->addWidget(heading, HEADING_ROW, placeOf(column));
        headings_ << heading;
        table.columnHeaders.push_back(heading);
    }
    for (int house = 0; house < HOUSES; ++house) {
        for (int column = 0; column < TABLE_COLUMNS; ++column) {
            auto* cell = MakeArrayLabel(this, "lblHouses", TABLE_COLUMNS * house + column);
            cell->setAutoFillBackground(true);
            cell->setContentsMargins(4, 1, 4, 1);
            cell->setFixedHeight(rowHeight);
            if (IsNumberColumn(column)) {
                cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            gridOf(column)->addWidget(cell, HEADING_ROW + 1 + house, placeOf(column));
            cells_ << cell;
            table.cells.push_back(cell);
        }
        // The house's number heads its row.
        table.rowHeaders.push_back(Cell(house, 0));
    }
    columnsGrid->setColumnStretch(TABLE_COLUMNS - FROZEN_COLUMNS, 1);
    QScrollArea* sideways = MakeSidewaysScroller(content, columns);
    sideways->setFixedHeight(columns->sizeHint().height() +
                             sideways->horizontalScrollBar()->sizeHint().height());
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(frozen, 0, Qt::AlignTop);
    layout->addWidget(sideways, 1, Qt::AlignTop);
    ReadAsTable(content, std::move(table));
}

QLabel* HousesTab::Cell(int house, int column) const {
    return cells_[TABLE_COLUMNS * house + column];
}

void HousesTab::ShowHouses(const Houses& houses, const BodyTable& bodies,
                           const std::optional<BhavaBala>& bhavaBala) {
    setTitle(ToQString(HousesHeading(houses.system)));
    for (int house = 0; house < HOUSES; ++house) {
        const HouseRow& row = houses.list[house];
        const HouseCells cells = MakeHouseCells(row);
        for (int column = 0; column < HOUSE_COLUMNS; ++column) {
            Cell(house, TableColumnOf(column))->setText(ToQString(cells[column]));
        }
        for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
            ShowSputa(row, bodies, planet);
        }
        QLabel* drishtiBala = Cell(house, TableColumnOf(DrishtiBalaColumn));
        drishtiBala->setToolTip(ToQString(DrishtiBalaWorking(row.drishtiBala)));
        QLabel* digBala = Cell(house, TableColumnOf(DigBalaColumn));
        Tint(digBala, row.digBala.virupas);
        digBala->setToolTip(DigBalaTip(row));
        if (bhavaBala) {
            ShowBhavaBala((*bhavaBala)[static_cast<std::size_t>(house)]);
        }
    }
    ShowBhavaBalaColumns(bhavaBala.has_value());
}

// "Lord Saturn: its Shadbala 379.10 virupas"; "Bhavadhipati 379.10 + Dig
// 40.00 + Drishti 12.50 = 431.60 virupas = 7.19 rupas".
void HousesTab::ShowBhavaBala(const HouseBhavaBala& bala) {
    const int house = bala.number - 1;
    QLabel* adhipati = Cell(house, ADHIPATI_COLUMN);
    adhipati->setText(ToQString(VirupasText(bala.adhipati.virupas)));
    adhipati->setToolTip(
        QStringLiteral("Lord %1: its Shadbala, %2 virupas")
            .arg(PlanetName(bala.lord), ToQString(VirupasText(bala.adhipati.virupas))));
    QLabel* total = Cell(house, BHAVA_BALA_COLUMN);
    total->setText(ToQString(VirupasText(bala.rupas)));
    total->setToolTip(
        QStringLiteral("Bhavadhipati %1 + Dig %2 + Drishti %3 = %4 virupas = %5 rupas")
            .arg(ToQString(VirupasText(bala.adhipati.virupas)),
                 ToQString(VirupasText(bala.dig.virupas)),
                 ToQString(VirupasText(bala.drishti.virupas)), ToQString(VirupasText(bala.virupas)),
                 ToQString(VirupasText(bala.rupas))));
    Cell(house, RANK_COLUMN)->setText(QString::number(bala.rank));
}

// The Bhava Bala columns show only with the Shadbala.
void HousesTab::ShowBhavaBalaColumns(bool shown) {
    for (const int column : {ADHIPATI_COLUMN, BHAVA_BALA_COLUMN, RANK_COLUMN}) {
        headings_[column]->setVisible(shown);
        for (int house = 0; house < HOUSES; ++house) {
            Cell(house, column)->setVisible(shown);
        }
    }
}

// "Jupiter 12 Leo 03 aspecting the madhya of house 5, 29 Lib 39" over
// "angle 77.60°, strength 32.60 of 60".
void HousesTab::ShowSputa(const HouseRow& row, const BodyTable& bodies, int planet) {
    QLabel* cell = Cell(row.number - 1, FIRST_SPUTA_COLUMN + planet);
    const double virupas = row.drishtiBala.terms[planet].virupas;
    const BodyEntry& entry = bodies.entries[planet];
    cell->setText(ToQString(VirupasText(virupas)));
    Tint(cell, virupas);
    cell->setToolTip(
        QStringLiteral(
            "%1 %2 aspecting the madhya of house %3, %4\nangle %5\u00B0, strength %6 of 60")
            .arg(ToQString(entry.englishName), ToQString(entry.position))
            .arg(row.number)
            .arg(ToQString(PositionText(row.bounds.madhya)))
            .arg(AspectAngle(entry.longitude, row.bounds.madhya), 0, 'f', 2)
            .arg(ToQString(VirupasText(virupas))));
}

}  // namespace sarovin
