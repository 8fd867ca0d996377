#pragma once

#include <QMenu>

#include "drishti/rules.h"
#include "strengths/strength_rules.h"

class QAction;

namespace sarovin {

// mnuRules: Sarovin's 1.15 rules or the classical (Parashara) rules for
// the Drishti, and the readings of the Shadbala's forks. The choice is kept
// between runs.
class RulesMenu : public QMenu {
    Q_OBJECT

  public:
    explicit RulesMenu(QWidget* parent = nullptr);

    Rules Choice() const;
    // The readings of the Shadbala's forks, kept between runs; chosen in
    // the dialog of mnuStrengthRules.
    StrengthRules StrengthChoice() const;
    // Keeps `rules` as the dialog's OK does; the choice changes.
    void TakeStrengthRules(const StrengthRules& rules);

  signals:
    void ChoiceChanged();

  private:
    void AskStrengthRules();

    QAction* own_;
    QAction* classical_;
};

}  // namespace sarovin
