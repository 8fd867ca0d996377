#include "app/tabs/positions_tab.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calculation/point_positions.h"
#include "engine/position_text.h"
#include "platform/qt_text.h"
#include "text/two_digits.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

enum Column {
    BodyColumn,
    SignColumn,
    DegreeColumn,
    NakshatraColumn,
    PadaColumn,
    LordColumn,
    HouseColumn,
    RetrogradeColumn,
    MotionColumn,
    COLUMN_COUNT
};

const QString RETROGRADE = QStringLiteral("\u211E");

const QStringList HEADINGS = {QStringLiteral("Body"),      QStringLiteral("Sign"),
                              QStringLiteral("Degree"),    QStringLiteral("Nakshatra"),
                              QStringLiteral("Pada"),      QStringLiteral("Lord"),
                              QStringLiteral("House"),     RETROGRADE,
                              QStringLiteral("Motion/day")};

// The texts of one row, in the columns' order.
QStringList RowTexts(const PointPosition& point) {
    const SignDms place = SplitSignDms(point.longitude);
    return {ToQString(point.name),
            ToQString(VedicSignNames[place.sign]),
            ToQString(TwoDigits(place.degrees) + "\u00B0" + TwoDigits(place.minutes) + "'"),
            ToQString(NakshatraNames[point.nakshatra.nakshatra]),
            QString::number(point.nakshatra.pada),
            ToQString(SlotNames[point.lord].englishName),
            point.house ? QString::number(*point.house) : QString(),
            point.retrograde ? RETROGRADE : QString(),
            point.dailyMotion ? ToQString(DailyMotionText(*point.dailyMotion)) : QString()};
}

}  // namespace

PositionsTab::PositionsTab(QWidget* parent) : QGroupBox(QStringLiteral("Positions"), parent) {
    setObjectName(QStringLiteral("tabPositions"));
    table_ = new QTableWidget(0, COLUMN_COUNT, this);
    table_->setObjectName(QStringLiteral("tblPositions"));
    table_->setAccessibleName(QStringLiteral("Positions"));
    table_->setHorizontalHeaderLabels(HEADINGS);
    table_->horizontalHeaderItem(RetrogradeColumn)->setToolTip(QStringLiteral("Retrograde"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
}

void PositionsTab::ShowCalculation(const Calculation& calculation) {
    const std::vector<PointPosition>& points = calculation.positions;
    table_->setRowCount(static_cast<int>(points.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QStringList texts = RowTexts(points[static_cast<std::size_t>(row)]);
        for (int column = 0; column < COLUMN_COUNT; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column >= PadaColumn && column != LordColumn) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(row, column, item);
        }
    }
    table_->setColumnHidden(HouseColumn, !calculation.houses);
    table_->setColumnHidden(RetrogradeColumn, !calculation.sky.speeds);
    table_->setColumnHidden(MotionColumn, !calculation.sky.speeds);
}

}  // namespace sarovin
