#pragma once

#include <QMenu>

#include "drishti/rules.h"

class QAction;

namespace sarovin {

// mnuRules: Sarovin's 1.15 rules or the classical (Parashara) rules for
// the Drishti. The choice is kept between runs.
class RulesMenu : public QMenu {
    Q_OBJECT

  public:
    explicit RulesMenu(QWidget* parent = nullptr);

    Rules Choice() const;

  signals:
    void ChoiceChanged();

  private:
    QAction* own_;
    QAction* classical_;
};

}  // namespace sarovin
