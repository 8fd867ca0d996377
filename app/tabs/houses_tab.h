#pragma once

#include <QGroupBox>
#include <QList>

#include <optional>

#include "houses/houses.h"
#include "strengths/bhava_bala.h"

class QLabel;

namespace sarovin {

// FrameHouses: the twelve houses down, their quantities across: number
// and sign, which stay in view while the rest scrolls sideways; then the
// strengths, Bhava Drishti Bala, Bhava Dig Bala and, when the Shadbala was
// computed, the Bhavadhipati Bala, the Bhava Bala in rupas and its rank;
// then madhya, start and end, the bodies in each and those aspecting it,
// and the classical Sputa Drishti of the seven planets on its madhya
// (tinted as on the Sputa tab). Every strength's tooltip shows how it was
// found.
class HousesTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit HousesTab(QWidget* parent = nullptr);

    void ShowHouses(const Houses& houses, const BodyTable& bodies,
                    const std::optional<BhavaBala>& bhavaBala);

  private:
    QLabel* Cell(int house, int column) const;
    void ShowSputa(const HouseRow& row, const BodyTable& bodies, int planet);
    void ShowBhavaBala(const HouseBhavaBala& bala);
    void ShowBhavaBalaColumns(bool shown);

    QList<QLabel*> headings_;
    QList<QLabel*> cells_;
};

}  // namespace sarovin
