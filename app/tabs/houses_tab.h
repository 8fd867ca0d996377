#pragma once

#include <QGroupBox>
#include <QList>

#include "houses/houses.h"

class QLabel;

namespace sarovin {

// FrameHouses: the twelve houses down, their quantities across: number,
// sign, madhya, start and end, the bodies in each and those aspecting it,
// the classical Sputa Drishti of the seven planets on its madhya (tinted
// as on the Sputa tab), its Bhava Drishti Bala and its Bhava Dig Bala.
// Every strength's tooltip shows how it was found.
class HousesTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit HousesTab(QWidget* parent = nullptr);

    void ShowHouses(const Houses& houses, const BodyTable& bodies);

  private:
    QLabel* Cell(int house, int column) const;
    void ShowSputa(const HouseRow& row, const BodyTable& bodies, int planet);

    QList<QLabel*> cells_;
};

}  // namespace sarovin
