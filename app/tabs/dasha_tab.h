#pragma once

#include <QGroupBox>
#include <optional>

#include "calculation/calculation.h"
#include "dasha/vimshottari.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace sarovin {

// tabDasha: the Vimshottari periods of the reading on show, counted in the
// year chosen in cmbDashaYear: the balance at birth, then a tree of the
// Mahadashas, their Antardashas and Pratyantardashas with their starts and
// ends in the birth's zone; the periods running at the moment given are
// bold, tinted and opened.
class DashaTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit DashaTab(QWidget* parent = nullptr);

    // The periods of `calculation`, those running at `now` (a Julian day of
    // Universal Time) marked.
    void ShowCalculation(const Calculation& calculation, double now);

  private:
    void ShowPeriods();
    void AddPeriods(const std::vector<DashaPeriod>& periods, QTreeWidgetItem* parent);
    QString TimeText(double julianDay) const;

    QComboBox* year_;
    QLabel* balance_;
    QTreeWidget* tree_;
    std::optional<Calculation> calculation_;
    int birthOffsetMinutes_ = 0;
    double now_ = 0;
};

}  // namespace sarovin
