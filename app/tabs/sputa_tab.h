#pragma once

#include <QGroupBox>
#include <QList>

#include "drishti/drishti_report.h"

class QGridLayout;
class QLabel;

namespace sarovin {

// The 9 x 9 grid of aspect strengths with the body names across the top and
// down the left, each row name above its body's position. Each strength is
// tinted by its size, the strongest in bold, with the tint's legend beside
// the grid and the bodies and their angle in each cell's tooltip. Under
// the classical rules the cells hold virupas, the nodes' rows "–", a Lagna
// column follows when the ephemeris gives one, and a Drik Bala row lies
// under the grid, each value's tooltip holding its working.
class SputaTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit SputaTab(QWidget* parent = nullptr);

    void ShowSputa(const DrishtiReport& report);

  private:
    void ReadGridAsTable(QWidget* content);
    void AddLagnaColumn(QGridLayout* grid, const QFont& headerFont);
    void AddDrikBalaRow(QGridLayout* grid, const QFont& headerFont);
    void ShowOwnStrength(const DrishtiReport& report, int row, int column);
    void ShowClassical(const DrishtiReport& report);

    QList<QLabel*> columnLabels_;
    QList<QLabel*> rowLabels_;
    QList<QLabel*> positionLabels_;
    QList<QLabel*> cellLabels_;
    QLabel* lagnaHeader_;
    QList<QLabel*> lagnaCells_;
    QLabel* drikBalaHeader_;
    QList<QLabel*> drikBalaCells_;
    QWidget* legend_ = nullptr;
};

}  // namespace sarovin
