#pragma once

#include <QMenu>
#include <array>

#include "calculation/sky.h"

class QAction;

namespace sarovin {

// mnuEphemeris: which ephemeris computes the positions and, for the Swiss
// Ephemeris, which lunar node and ayanamsa (submenu mnuAyanamsa) it takes.
// The choice is kept between runs. The rules are not chosen here: Choice()
// leaves them at the default.
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
    QAction* AddChoice(QMenu* menu, const QString& name, const QString& caption,
                       QActionGroup* group);
    QActionGroup* AddAyanamsas();
    void ShowChoice(const EphemerisChoice& choice);
    void KeepChoice();

    QAction* builtIn_;
    QAction* swiss_;
    QAction* meanNode_;
    QAction* trueNode_;
    QMenu* ayanamsaMenu_;
    std::array<QAction*, AYANAMSA_SYSTEMS> ayanamsas_{};
};

}  // namespace sarovin
