#pragma once

#include <QWidget>

#include "calculation/calculation.h"

class QLabel;
class QTabWidget;

namespace sarovin {

class DrishtiTab;
class SputaTab;

// The results of a calculation on three frames switched by a tab strip,
// with Save and Back beneath them.
class ResultsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    // The birth and ephemeris lines above the tabs and the three results.
    void ShowCalculation(const Calculation& calculation);
    // Graha Drishti in front, its tab selected.
    void ShowGrahaFrame();

  signals:
    void SaveRequested();
    void BackRequested();

  private:
    void AddTabKeys();
    QLabel* birthLine_;
    QLabel* ephemerisLine_;
    QTabWidget* tabs_;
    DrishtiTab* graha_;
    DrishtiTab* rashi_;
    SputaTab* sputa_;
};

}  // namespace sarovin
