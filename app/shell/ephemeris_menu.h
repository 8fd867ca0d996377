#pragma once

#include <QMenu>
#include <array>

#include "calculation/sky.h"

class QAction;

namespace sarovin {

// mnuEphemeris: which ephemeris computes the positions and, for the Swiss
// Ephemeris, which lunar node and ayanamsa (submenu mnuAyanamsa) it takes,
// and whether given positions (mnuGivenPositions) stand in place of its
// longitudes. The choice but the given positions is kept between runs. The rules are not chosen
// here: Choice() leaves them at the default.
class EphemerisMenu : public QMenu {
    Q_OBJECT

  public:
    explicit EphemerisMenu(QWidget* parent = nullptr);

    EphemerisChoice Choice() const;
    // Chooses the Swiss Ephemeris as a click on its entry does.
    void ChooseSwiss();
    // Takes `given` in place of the Swiss Ephemeris's longitudes, choosing
    // it, or the ephemeris's own again for none; the choice changes.
    void TakeGivenPositions(const std::optional<GivenPositions>& given);
    // Shows `given` as the positions taken, with the Swiss Ephemeris when
    // there are some, without a change of choice: those of a reading opened.
    void ShowGivenPositions(const std::optional<GivenPositions>& given);

  signals:
    void ChoiceChanged();

  private:
    QAction* AddChoice(QMenu* menu, const QString& name, const QString& caption,
                       QActionGroup* group);
    QActionGroup* AddAyanamsas();
    void ShowChoice(const EphemerisChoice& choice);
    void KeepChoice();
    void AskGivenPositions();

    QAction* builtIn_;
    QAction* swiss_;
    QAction* meanNode_;
    QAction* trueNode_;
    QMenu* ayanamsaMenu_;
    std::array<QAction*, AYANAMSA_SYSTEMS> ayanamsas_{};
    QAction* givenAction_;
    std::optional<GivenPositions> given_;
};

}  // namespace sarovin
