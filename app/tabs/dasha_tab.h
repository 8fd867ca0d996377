#pragma once

#include <QGroupBox>
#include "calculation/calculation.h"
#include "dasha/vimshottari.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace sarovin {

// tabDasha: the Vimshottari periods the reading on show was computed with:
// the balance at birth, then a tree of the Mahadashas, their Antardashas
// and Pratyantardashas with their starts and ends in the birth's zone; the
// periods running at the moment given are bold, tinted and opened.
// cmbDashaYear shows the year they were counted in; choosing another asks
// for the reading to be computed again in it.
class DashaTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit DashaTab(QWidget* parent = nullptr);

    // The periods of `calculation`, those running at `now` (a Julian day of
    // Universal Time) marked.
    void ShowCalculation(const Calculation& calculation, double now);
    // The year chosen in cmbDashaYear.
    DashaYear YearChosen() const;

  signals:
    void YearChanged();

  private:
    void ShowPeriods(const Vimshottari& dasha);
    void AddPeriods(const std::vector<DashaPeriod>& periods, QTreeWidgetItem* parent);
    QString TimeText(double julianDay) const;

    QComboBox* year_;
    QLabel* balance_;
    QTreeWidget* tree_;
    int birthOffsetMinutes_ = 0;
    double now_ = 0;
};

}  // namespace sarovin
