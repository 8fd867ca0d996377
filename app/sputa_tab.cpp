#include "app/sputa_tab.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/drishti_tab.h"
#include "platform/qt_text.h"

namespace sarovin {

SputaTab::SputaTab(QWidget* parent) : QGroupBox(QStringLiteral("Sputa Drishti"), parent) {
    setObjectName(QStringLiteral("Frame5"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    QFont headerFont = font();
    headerFont.setBold(true);
    for (int column = 0; column < BODY_COUNT; ++column) {
        auto* header = MakeArrayLabel(this, "lblPlanetsColumn_Sputa", column);
        header->setFont(headerFont);
        header->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        grid->addWidget(header, 0, column + 1);
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
        grid->addLayout(heading, row + 1, 0);
        rowLabels_ << name;
        positionLabels_ << position;
        for (int column = 0; column < BODY_COUNT; ++column) {
            auto* cell = MakeArrayLabel(this, "lblSputa_Angle_Sputa", BODY_COUNT * row + column);
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(cell, row + 1, column + 1);
            cellLabels_ << cell;
        }
    }
    grid->setColumnStretch(BODY_COUNT + 1, 1);
    grid->setRowStretch(BODY_COUNT + 1, 1);
}

void SputaTab::ShowSputa(const SputaDrishti& sputa) {
    for (int body = 0; body < BODY_COUNT; ++body) {
        rowLabels_[body]->setText(ToQString(sputa.rowCaptions[body]));
        columnLabels_[body]->setText(ToQString(sputa.columnCaptions[body]));
        positionLabels_[body]->setText(ToQString(sputa.positionCaptions[body]));
        for (int column = 0; column < BODY_COUNT; ++column) {
            cellLabels_[BODY_COUNT * body + column]->setText(
                QString::number(sputa.grid[body][column]));
        }
    }
}

}  // namespace sarovin
