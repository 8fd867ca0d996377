#include "app/shell/given_positions_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt_text.h"

namespace sarovin {

namespace {

QString EntryText(const QTableWidget* table, int entry) {
    const QTableWidgetItem* item = table->item(entry, 0);
    return item == nullptr ? QString() : item->text().trimmed();
}

// "Bad longitude for Sun, MC: give degrees:minutes[:seconds] from 0 to 360."
QString ProblemText(const QStringList& bad) {
    return QStringLiteral(
               "Bad longitude for %1: give degrees:minutes[:seconds] from 0 to 360, "
               "every entry or none.")
        .arg(bad.join(QStringLiteral(", ")));
}

}  // namespace

GivenPositionsDialog::GivenPositionsDialog(const std::optional<GivenPositions>& shown,
                                           QWidget* parent)
    : QDialog(parent), positions_(shown) {
    setObjectName(QStringLiteral("dlgGivenPositions"));
    setWindowTitle(QStringLiteral("Given Positions"));
    auto* about = new QLabel(
        QStringLiteral("Sidereal longitudes to take in place of the ephemeris's, as "
                       "degrees:minutes[:seconds]; Ketu stands opposite Rahu. The date, time "
                       "and place still give the sunrise, the weekday and the rest. Leave every "
                       "entry empty for the ephemeris's positions."),
        this);
    about->setWordWrap(true);
    table_ = new QTableWidget(GIVEN_ENTRIES, 1, this);
    table_->setObjectName(QStringLiteral("tblGivenPositions"));
    table_->setAccessibleName(QStringLiteral("Given positions"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Sidereal longitude (d:m:s)")});
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int entry = 0; entry < GIVEN_ENTRIES; ++entry) {
        table_->setVerticalHeaderItem(
            entry,
            new QTableWidgetItem(ToQString(GIVEN_ENTRY_NAMES[static_cast<std::size_t>(entry)])));
        table_->setItem(
            entry, 0,
            new QTableWidgetItem(shown ? ToQString(GivenLongitudeText(GivenEntry(*shown, entry)))
                                       : QString()));
    }
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblGivenPositionsProblem"));
    problem_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdGivenPositionsOk"));
    QPushButton* clear = buttons->addButton(QStringLiteral("C&lear"), QDialogButtonBox::ResetRole);
    clear->setObjectName(QStringLiteral("cmdClearPositions"));
    connect(buttons, &QDialogButtonBox::accepted, this, &GivenPositionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, [this] {
        for (int entry = 0; entry < GIVEN_ENTRIES; ++entry) {
            table_->item(entry, 0)->setText(QString());
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(table_, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

void GivenPositionsDialog::accept() {
    GivenPositions given;
    QStringList bad;
    int empty = 0;
    for (int entry = 0; entry < GIVEN_ENTRIES; ++entry) {
        const QString text = EntryText(table_, entry);
        empty += text.isEmpty() ? 1 : 0;
        const std::optional<double> longitude = ReadGivenLongitude(text.toStdString());
        if (longitude) {
            SetGivenEntry(given, entry, *longitude);
        } else {
            bad << ToQString(GIVEN_ENTRY_NAMES[static_cast<std::size_t>(entry)]);
        }
    }
    if (empty == GIVEN_ENTRIES) {
        positions_.reset();
    } else if (!bad.isEmpty()) {
        problem_->setText(ProblemText(bad));
        return;
    } else {
        positions_ = given;
    }
    QDialog::accept();
}

}  // namespace sarovin
