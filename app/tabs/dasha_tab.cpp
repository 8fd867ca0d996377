#include "app/tabs/dasha_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ephemeris/utc_time.h"
#include "form/birth_summary.h"

namespace sarovin {

namespace {

constexpr int LORD_COLUMN = 0;
constexpr int START_COLUMN = 1;
constexpr int END_COLUMN = 2;
constexpr int SECONDS_PER_MINUTE = 60;
// The tint of a running period: a light gold that keeps dark text legible.
const QColor RUNNING_TINT(255, 236, 179);

// The choices of cmbDashaYear, in DashaYear's order.
const QString YEAR_CAPTIONS[] = {
    QStringLiteral("Sidereal year, 365.256364 days"),
    QStringLiteral("Julian year, 365.25 days"),
    QStringLiteral("Savana year, 360 days"),
};

QString Plural(int count, const char* unit) {
    return QStringLiteral("%1 %2%3")
        .arg(count)
        .arg(QLatin1String(unit))
        .arg(count == 1 ? QString() : QStringLiteral("s"));
}

QString LordName(BodySlot lord) {
    return QString::fromUtf8(SlotNames[static_cast<std::size_t>(lord)].englishName.data());
}

void MarkRunning(QTreeWidgetItem* item) {
    QFont bold = item->font(LORD_COLUMN);
    bold.setBold(true);
    for (const int column : {LORD_COLUMN, START_COLUMN, END_COLUMN}) {
        item->setFont(column, bold);
        item->setBackground(column, RUNNING_TINT);
    }
    item->setExpanded(true);
}

}  // namespace

DashaTab::DashaTab(QWidget* parent) : QGroupBox(QStringLiteral("Vimshottari Dasha"), parent) {
    setObjectName(QStringLiteral("tabDasha"));
    year_ = new QComboBox(this);
    year_->setObjectName(QStringLiteral("cmbDashaYear"));
    for (const QString& caption : YEAR_CAPTIONS) {
        year_->addItem(caption);
    }
    auto* yearLabel = new QLabel(QStringLiteral("&Year:"), this);
    yearLabel->setBuddy(year_);
    balance_ = new QLabel(this);
    balance_->setObjectName(QStringLiteral("lblDashaBalance"));
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("treDasha"));
    tree_->setHeaderLabels(
        {QStringLiteral("Lord"), QStringLiteral("Start"), QStringLiteral("End")});
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->setAccessibleName(QStringLiteral("Vimshottari periods"));
    connect(year_, &QComboBox::currentIndexChanged, this, &DashaTab::YearChanged);

    auto* choice = new QHBoxLayout;
    choice->addWidget(yearLabel);
    choice->addWidget(year_);
    choice->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(balance_);
    layout->addWidget(tree_, 1);
}

void DashaTab::ShowCalculation(const Calculation& calculation, double now) {
    birthOffsetMinutes_ = UtcOffsetSeconds(calculation.record) / SECONDS_PER_MINUTE;
    now_ = now;
    tree_->clear();
    balance_->clear();
    if (calculation.dasha) {
        const QSignalBlocker quiet(year_);
        year_->setCurrentIndex(static_cast<int>(calculation.dasha->year));
        ShowPeriods(*calculation.dasha);
    }
}

DashaYear DashaTab::YearChosen() const {
    return static_cast<DashaYear>(year_->currentIndex());
}

void DashaTab::ShowPeriods(const Vimshottari& dasha) {
    const DashaBalance& balance = dasha.balance;
    balance_->setText(QStringLiteral("Balance at birth: %1 %2 %3 %4; dates in the birth's zone.")
                          .arg(LordName(balance.lord), Plural(balance.years, "year"),
                               Plural(balance.months, "month"), Plural(balance.days, "day")));
    AddPeriods(dasha.periods, nullptr);
}

void DashaTab::AddPeriods(const std::vector<DashaPeriod>& periods, QTreeWidgetItem* parent) {
    for (const DashaPeriod& period : periods) {
        const QStringList texts = {LordName(period.lord), TimeText(period.start),
                                   TimeText(period.end)};
        auto* item = parent == nullptr ? new QTreeWidgetItem(tree_, texts)
                                       : new QTreeWidgetItem(parent, texts);
        if (period.start <= now_ && now_ < period.end) {
            MarkRunning(item);
        }
        AddPeriods(period.sub, item);
    }
}

QString DashaTab::TimeText(double julianDay) const {
    const UtcMinute minute = MinuteOf(julianDay, birthOffsetMinutes_);
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(minute.year, 4, 10, QLatin1Char('0'))
        .arg(minute.month, 2, 10, QLatin1Char('0'))
        .arg(minute.day, 2, 10, QLatin1Char('0'))
        .arg(minute.hour, 2, 10, QLatin1Char('0'))
        .arg(minute.minute, 2, 10, QLatin1Char('0'));
}

}  // namespace sarovin
