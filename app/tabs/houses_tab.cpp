#include "app/tabs/houses_tab.h"

#include <QGridLayout>
#include <QLabel>

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

// The table's columns: the house cells up to "Aspected by", the seven
// planets' Sputa Drishti, then the two strengths.
constexpr int FIRST_SPUTA_COLUMN = AspectedByColumn + 1;
constexpr int TABLE_COLUMNS = HOUSE_COLUMNS + ASPECTING_PLANETS;
constexpr int HEADING_ROW = 0;

int TableColumnOf(int houseColumn) {
    return houseColumn < FIRST_SPUTA_COLUMN ? houseColumn : houseColumn + ASPECTING_PLANETS;
}

QString HeadingOf(int column) {
    if (column >= FIRST_SPUTA_COLUMN && column < FIRST_SPUTA_COLUMN + ASPECTING_PLANETS) {
        return ToQString(SlotNames[column - FIRST_SPUTA_COLUMN].englishName);
    }
    const int houseColumn = column < FIRST_SPUTA_COLUMN ? column : column - ASPECTING_PLANETS;
    return ToQString(HOUSE_HEADINGS[houseColumn]);
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
    auto* grid = new QGridLayout(content);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    QFont headerFont = font();
    headerFont.setBold(true);
    LabelTable table{QStringLiteral("Houses"), {}, {}, {}};
    for (int column = 0; column < TABLE_COLUMNS; ++column) {
        auto* heading = MakeArrayLabel(this, "lblHousesColumn", column);
        heading->setText(HeadingOf(column));
        heading->setFont(headerFont);
        heading->setContentsMargins(4, 0, 4, 0);
        grid->addWidget(heading, HEADING_ROW, column);
        table.columnHeaders.push_back(heading);
    }
    for (int house = 0; house < HOUSES; ++house) {
        for (int column = 0; column < TABLE_COLUMNS; ++column) {
            auto* cell = MakeArrayLabel(this, "lblHouses", TABLE_COLUMNS * house + column);
            cell->setAutoFillBackground(true);
            cell->setContentsMargins(4, 1, 4, 1);
            if (column >= FIRST_SPUTA_COLUMN) {
                cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            grid->addWidget(cell, HEADING_ROW + 1 + house, column);
            cells_ << cell;
            table.cells.push_back(cell);
        }
        // The house's number heads its row.
        table.rowHeaders.push_back(Cell(house, 0));
    }
    grid->setColumnStretch(TABLE_COLUMNS, 1);
    grid->setRowStretch(HEADING_ROW + 1 + HOUSES, 1);
    ReadAsTable(content, std::move(table));
}

QLabel* HousesTab::Cell(int house, int column) const {
    return cells_[TABLE_COLUMNS * house + column];
}

void HousesTab::ShowHouses(const Houses& houses, const BodyTable& bodies) {
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
