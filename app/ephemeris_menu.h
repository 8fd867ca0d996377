#pragma once

#include <QMenu>

#include "calculation/sky.h"

class QAction;

namespace sarovin {

// mnuEphemeris: which ephemeris computes the positions and, for the Swiss
// Ephemeris, which lunar node it takes. The choice is kept between runs.
class EphemerisMenu : public QMenu {
    Q_OBJECT

  public:
    explicit EphemerisMenu(QWidget* parent = nullptr);

    EphemerisChoice Choice() const;
    // Chooses the Swiss Ephemeris as a click on its entry does.
    void ChooseSwiss();

  signals:
    void ChoiceChanged();

  private:
    QAction* AddChoice(const char* name, const QString& caption, QActionGroup* group);
    void ShowChoice(const EphemerisChoice& choice);
    void KeepChoice();

    QAction* builtIn_;
    QAction* swiss_;
    QAction* meanNode_;
    QAction* trueNode_;
};

}  // namespace sarovin
