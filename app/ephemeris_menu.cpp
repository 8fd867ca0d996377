#include "app/ephemeris_menu.h"

#include <QActionGroup>
#include <QSettings>

#include "calculation/sky_texts.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const QString EPHEMERIS_KEY = QStringLiteral("ephemeris/name");
const QString NODE_KEY = QStringLiteral("ephemeris/node");
const QString SWISS_VALUE = QStringLiteral("swiss");
const QString TRUE_NODE_VALUE = QStringLiteral("true");

EphemerisChoice KeptChoice() {
    const QSettings settings;
    EphemerisChoice choice;
    if (settings.value(EPHEMERIS_KEY).toString() == SWISS_VALUE) {
        choice.ephemeris = Ephemeris::Swiss;
    }
    if (settings.value(NODE_KEY).toString() == TRUE_NODE_VALUE) {
        choice.node = LunarNode::True;
    }
    return choice;
}

}  // namespace

EphemerisMenu::EphemerisMenu(QWidget* parent) : QMenu(QStringLiteral("E&phemeris"), parent) {
    setObjectName(QStringLiteral("mnuEphemeris"));
    auto* ephemerides = new QActionGroup(this);
    builtIn_ = AddChoice("mnuBuiltIn", QStringLiteral("&") + ToQString(BUILT_IN_EPHEMERIS_NAME),
                         ephemerides);
    swiss_ =
        AddChoice("mnuSwiss", QStringLiteral("&") + ToQString(SWISS_EPHEMERIS_NAME), ephemerides);
    addSeparator()->setObjectName(QStringLiteral("mnuEphemerisSep"));
    auto* nodes = new QActionGroup(this);
    meanNode_ = AddChoice("mnuMeanNode", QStringLiteral("&Mean Node"), nodes);
    trueNode_ = AddChoice("mnuTrueNode", QStringLiteral("&True Node"), nodes);
    ShowChoice(KeptChoice());
    for (QActionGroup* group : {ephemerides, nodes}) {
        connect(group, &QActionGroup::triggered, this, [this] {
            ShowChoice(Choice());
            KeepChoice();
            emit ChoiceChanged();
        });
    }
}

QAction* EphemerisMenu::AddChoice(const char* name, const QString& caption, QActionGroup* group) {
    QAction* action = addAction(caption);
    action->setObjectName(ToQString(name));
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

void EphemerisMenu::ChooseSwiss() {
    swiss_->trigger();
}

EphemerisChoice EphemerisMenu::Choice() const {
    return {swiss_->isChecked() ? Ephemeris::Swiss : Ephemeris::BuiltIn,
            trueNode_->isChecked() ? LunarNode::True : LunarNode::Mean};
}

// The built-in ephemeris has its own mean node, so the node choice only
// applies to the Swiss Ephemeris.
void EphemerisMenu::ShowChoice(const EphemerisChoice& choice) {
    (choice.ephemeris == Ephemeris::Swiss ? swiss_ : builtIn_)->setChecked(true);
    (choice.node == LunarNode::True ? trueNode_ : meanNode_)->setChecked(true);
    meanNode_->setEnabled(choice.ephemeris == Ephemeris::Swiss);
    trueNode_->setEnabled(choice.ephemeris == Ephemeris::Swiss);
}

void EphemerisMenu::KeepChoice() {
    const EphemerisChoice choice = Choice();
    QSettings settings;
    settings.setValue(EPHEMERIS_KEY, choice.ephemeris == Ephemeris::Swiss
                                         ? SWISS_VALUE
                                         : QStringLiteral("builtin"));
    settings.setValue(NODE_KEY,
                      choice.node == LunarNode::True ? TRUE_NODE_VALUE : QStringLiteral("mean"));
}

}  // namespace sarovin
