#pragma once

#include <QGroupBox>
#include <QList>
#include <span>

#include "drishti/drishti_row.h"

class QLabel;

namespace sarovin {

// The names of the four label arrays of a Graha or Rashi frame.
struct DrishtiLabelArrays {
    const char* body;
    const char* position;
    const char* aspect;
    const char* planets;
};

// One row per body: its name and position on the left, the signs and the
// bodies it aspects on the right. Serves the Graha and the Rashi frames.
class DrishtiTab : public QGroupBox {
    Q_OBJECT

  public:
    DrishtiTab(const QString& title, const QString& frameName, int rows,
               const DrishtiLabelArrays& arrays, QWidget* parent = nullptr);

    void ShowRows(std::span<const DrishtiRow> rows);

  private:
    QList<QLabel*> bodyLabels_;
    QList<QLabel*> positionLabels_;
    QList<QLabel*> aspectLabels_;
    QList<QLabel*> planetsLabels_;
};

// A label named after its array and index, as lblSputa_Angle_Sputa_23.
QLabel* MakeArrayLabel(QWidget* parent, const char* arrayName, int index);

}  // namespace sarovin
