#pragma once

#include <QMenu>
#include <array>

#include "houses/house_system.h"

class QAction;

namespace sarovin {

// mnuHouses: the house system the Swiss Ephemeris's houses are placed by.
// The choice is kept between runs, like the ephemeris.
class HouseSystemMenu : public QMenu {
    Q_OBJECT

  public:
    explicit HouseSystemMenu(QWidget* parent = nullptr);

    HouseSystem Choice() const;

  signals:
    void ChoiceChanged();

  private:
    std::array<QAction*, HOUSE_SYSTEMS.size()> systems_{};
};

}  // namespace sarovin
