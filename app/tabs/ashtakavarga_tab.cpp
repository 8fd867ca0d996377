#include "app/tabs/ashtakavarga_tab.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "output/ashtakavarga_output.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr int TOTAL_COLUMN = ZODIAC_SIGNS;
// The Bhinna rows of the seven planets and the Lagna, and the Sarva.
constexpr int ROWS = ASHTAKA_POINT_COUNT + 1;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidgetItem* NumberItem(int number) {
    auto* item = new QTableWidgetItem(QString::number(number));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

AshtakavargaTab::AshtakavargaTab(QWidget* parent)
    : QGroupBox(QStringLiteral("Ashtakavarga"), parent) {
    setObjectName(QStringLiteral("tabAshtakavarga"));
    tables_ = new QLabel(this);
    tables_->setObjectName(QStringLiteral("lblAshtakavargaTables"));
    table_ = new QTableWidget(ROWS, ZODIAC_SIGNS + 1, this);
    table_->setObjectName(QStringLiteral("tblAshtakavarga"));
    table_->setAccessibleName(QStringLiteral("Ashtakavarga bindus by sign"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList signs;
    for (const std::string_view sign : VedicSignNames) {
        signs << Text(sign);
    }
    signs << QStringLiteral("Total");
    table_->setHorizontalHeaderLabels(signs);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tables_);
    layout->addWidget(table_, 1);
}

void AshtakavargaTab::ShowCalculation(const Calculation& calculation) {
    table_->clearContents();
    if (!calculation.ashtakavarga) {
        tables_->setText(QStringLiteral(
            "The Ashtakavarga counts from the Lagna, which the Swiss Ephemeris gives."));
        return;
    }
    tables_->setText(QStringLiteral("%1: bindus in each sign, and each row's total.")
                         .arg(Text(TablesText(calculation.ashtakavarga->tables))));
    const std::vector<AshtakavargaRow> rows = AshtakavargaRows(*calculation.ashtakavarga);
    QStringList names;
    for (int row = 0; row < ROWS; ++row) {
        const AshtakavargaRow& values = rows[static_cast<std::size_t>(row)];
        names << Text(values.name);
        for (int sign = 0; sign < ZODIAC_SIGNS; ++sign) {
            table_->setItem(row, sign, NumberItem(values.bindus[static_cast<std::size_t>(sign)]));
        }
        table_->setItem(row, TOTAL_COLUMN, NumberItem(values.total));
    }
    table_->setVerticalHeaderLabels(names);
}

}  // namespace sarovin
