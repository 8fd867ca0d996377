#include "app/shell/rules_menu.h"

#include <QActionGroup>
#include <QSettings>

#include "app/shell/strength_rules_dialog.h"
#include "calculation/sky_texts.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const QString RULES_KEY = QStringLiteral("drishti/rules");
const QString CLASSICAL_VALUE = QStringLiteral("classical");
const QString OWN_VALUE = QStringLiteral("1.15");

QAction* AddChoice(QMenu* menu, const char* name, Rules rules, QActionGroup* group) {
    QAction* action = menu->addAction(QStringLiteral("&") + ToQString(RulesName(rules)));
    action->setObjectName(ToQString(name));
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

}  // namespace

RulesMenu::RulesMenu(QWidget* parent) : QMenu(QStringLiteral("R&ules"), parent) {
    setObjectName(QStringLiteral("mnuRules"));
    auto* group = new QActionGroup(this);
    own_ = AddChoice(this, "mnuOwnRules", Rules::Sarovin115, group);
    classical_ = AddChoice(this, "mnuClassicalRules", Rules::Classical, group);
    const bool classical = QSettings().value(RULES_KEY).toString() == CLASSICAL_VALUE;
    (classical ? classical_ : own_)->setChecked(true);
    connect(group, &QActionGroup::triggered, this, [this] {
        QSettings().setValue(RULES_KEY, classical_->isChecked() ? CLASSICAL_VALUE : OWN_VALUE);
        emit ChoiceChanged();
    });
    addSeparator()->setObjectName(QStringLiteral("mnuRulesSep"));
    QAction* strength = addAction(QStringLiteral("&Strength Rules\u2026"));
    strength->setObjectName(QStringLiteral("mnuStrengthRules"));
    connect(strength, &QAction::triggered, this, &RulesMenu::AskStrengthRules);
}

void RulesMenu::AskStrengthRules() {
    StrengthRulesDialog dialog(KeptStrengthRules(), parentWidget());
    if (dialog.exec() == QDialog::Accepted) {
        TakeStrengthRules(dialog.Chosen());
    }
}

void RulesMenu::TakeStrengthRules(const StrengthRules& rules) {
    KeepStrengthRules(rules);
    emit ChoiceChanged();
}

StrengthRules RulesMenu::StrengthChoice() const {
    return KeptStrengthRules();
}

Rules RulesMenu::Choice() const {
    return classical_->isChecked() ? Rules::Classical : Rules::Sarovin115;
}

}  // namespace sarovin
