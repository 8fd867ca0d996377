#pragma once

#include <QDialog>
#include <optional>

#include "calculation/given_positions.h"

class QLabel;
class QTableWidget;

namespace sarovin {

// dlgGivenPositions: a table (tblGivenPositions) to type the sidereal
// longitudes of the Sun to Saturn, Rahu (Ketu stands opposite), the Lagna
// and the MC as degrees:minutes[:seconds], read by the rule the report
// tool's --positions follows. OK takes them when every entry is good, or
// none when every entry is empty (the ephemeris's positions again);
// otherwise it stays open, lblGivenPositionsProblem naming the bad entries.
class GivenPositionsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit GivenPositionsDialog(const std::optional<GivenPositions>& shown,
                                  QWidget* parent = nullptr);

    // The positions taken, after accept(); none for the ephemeris's.
    const std::optional<GivenPositions>& Positions() const { return positions_; }

    void accept() override;

  private:
    QTableWidget* table_;
    QLabel* problem_;
    std::optional<GivenPositions> positions_;
};

}  // namespace sarovin
