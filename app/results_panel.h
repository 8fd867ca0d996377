#pragma once

#include <QWidget>

#include "drishti/drishti_report.h"

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

    void ShowReport(const DrishtiReport& report);
    // Graha Drishti in front, its tab selected.
    void ShowGrahaFrame();

  signals:
    void SaveRequested();
    void BackRequested();

  private:
    QTabWidget* tabs_;
    DrishtiTab* graha_;
    DrishtiTab* rashi_;
    SputaTab* sputa_;
};

}  // namespace sarovin
