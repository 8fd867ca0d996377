#pragma once

#include <QDialog>
#include <array>

#include "strengths/strength_rules.h"

class QComboBox;

namespace sarovin {

inline constexpr int STRENGTH_FORKS = 8;

// The readings of the Shadbala's forks the window keeps between runs;
// Raman's where none was kept.
StrengthRules KeptStrengthRules();
void KeepStrengthRules(const StrengthRules& rules);

// dlgStrengthRules: one list a fork where the authors of the Shadbala
// part (cmbStrengthRule0 to cmbStrengthRule7), Raman's reading first and
// the other second, as the Strengths part of the README names them.
class StrengthRulesDialog : public QDialog {
    Q_OBJECT

  public:
    explicit StrengthRulesDialog(const StrengthRules& shown, QWidget* parent = nullptr);

    // The readings chosen in the lists.
    StrengthRules Chosen() const;

  private:
    std::array<QComboBox*, STRENGTH_FORKS> lists_{};
};

}  // namespace sarovin
