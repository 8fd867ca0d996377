#pragma once

#include <QGroupBox>
#include <QList>

#include "drishti/sputa_drishti.h"

class QLabel;

namespace sarovin {

// The 9 x 9 grid of aspect strengths with the body names across the top and
// down the left, each row name above its body's position. Each strength is
// tinted by its size, the strongest in bold, with the tint's legend beside
// the grid and the bodies and their angle in each cell's tooltip.
class SputaTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit SputaTab(QWidget* parent = nullptr);

    // The grid and, for the tooltips, the body table it was computed from.
    void ShowSputa(const SputaDrishti& sputa, const BodyTable& bodies);

  private:
    void ShowStrength(const SputaDrishti& sputa, const BodyTable& bodies, int row, int column);

    QList<QLabel*> columnLabels_;
    QList<QLabel*> rowLabels_;
    QList<QLabel*> positionLabels_;
    QList<QLabel*> cellLabels_;
};

}  // namespace sarovin
