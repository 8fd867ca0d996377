#include "app/shell/ephemeris_menu.h"

#include <QActionGroup>
#include <QSettings>

#include "app/shell/given_positions_dialog.h"
#include "calculation/ephemeris_names.h"
#include "calculation/sky_texts.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const QString EPHEMERIS_KEY = QStringLiteral("ephemeris/name");
const QString NODE_KEY = QStringLiteral("ephemeris/node");
// The ayanamsa is kept by its name.
const QString AYANAMSA_KEY = QStringLiteral("ephemeris/ayanamsa");

EphemerisChoice KeptChoice() {
    const QSettings settings;
    EphemerisChoice choice;
    if (settings.value(EPHEMERIS_KEY).toString() ==
        ToQString(NameOf(EPHEMERIS_NAMES, Ephemeris::Swiss))) {
        choice.ephemeris = Ephemeris::Swiss;
    }
    if (settings.value(NODE_KEY).toString() == ToQString(NameOf(NODE_NAMES, LunarNode::True))) {
        choice.node = LunarNode::True;
    }
    const QString ayanamsa = settings.value(AYANAMSA_KEY).toString();
    for (int at = 0; at < AYANAMSA_SYSTEMS; ++at) {
        if (ayanamsa == ToQString(AyanamsaName(static_cast<AyanamsaSystem>(at)))) {
            choice.ayanamsa = static_cast<AyanamsaSystem>(at);
        }
    }
    return choice;
}

}  // namespace

EphemerisMenu::EphemerisMenu(QWidget* parent) : QMenu(QStringLiteral("E&phemeris"), parent) {
    setObjectName(QStringLiteral("mnuEphemeris"));
    auto* ephemerides = new QActionGroup(this);
    builtIn_ = AddChoice(this, QStringLiteral("mnuBuiltIn"),
                         QStringLiteral("&") + ToQString(BUILT_IN_EPHEMERIS_NAME), ephemerides);
    swiss_ = AddChoice(this, QStringLiteral("mnuSwiss"),
                       QStringLiteral("&") + ToQString(SWISS_EPHEMERIS_NAME), ephemerides);
    givenAction_ = addAction(QStringLiteral("&Given Positions\u2026"));
    givenAction_->setObjectName(QStringLiteral("mnuGivenPositions"));
    givenAction_->setCheckable(true);
    connect(givenAction_, &QAction::triggered, this, &EphemerisMenu::AskGivenPositions);
    addSeparator()->setObjectName(QStringLiteral("mnuEphemerisSep"));
    auto* nodes = new QActionGroup(this);
    meanNode_ = AddChoice(this, QStringLiteral("mnuMeanNode"), QStringLiteral("&Mean Node"), nodes);
    trueNode_ = AddChoice(this, QStringLiteral("mnuTrueNode"), QStringLiteral("&True Node"), nodes);
    QActionGroup* ayanamsas = AddAyanamsas();
    ShowChoice(KeptChoice());
    for (QActionGroup* group : {ephemerides, nodes, ayanamsas}) {
        connect(group, &QActionGroup::triggered, this, [this] {
            ShowChoice(Choice());
            KeepChoice();
            emit ChoiceChanged();
        });
    }
}

QAction* EphemerisMenu::AddChoice(QMenu* menu, const QString& name, const QString& caption,
                                  QActionGroup* group) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

// mnuAyanamsa0 to mnuAyanamsa5, Lahiri first, in the order of AyanamsaSystem.
QActionGroup* EphemerisMenu::AddAyanamsas() {
    ayanamsaMenu_ = addMenu(QStringLiteral("&Ayanamsa"));
    ayanamsaMenu_->setObjectName(QStringLiteral("mnuAyanamsa"));
    auto* group = new QActionGroup(this);
    for (int at = 0; at < AYANAMSA_SYSTEMS; ++at) {
        ayanamsas_[at] = AddChoice(
            ayanamsaMenu_, QStringLiteral("mnuAyanamsa%1").arg(at),
            QStringLiteral("&") + ToQString(AyanamsaName(static_cast<AyanamsaSystem>(at))), group);
    }
    return group;
}

void EphemerisMenu::ChooseSwiss() {
    swiss_->trigger();
}

void EphemerisMenu::AskGivenPositions() {
    GivenPositionsDialog dialog(given_, parentWidget());
    if (dialog.exec() == QDialog::Accepted) {
        TakeGivenPositions(dialog.Positions());
    } else {
        givenAction_->setChecked(given_.has_value());
    }
}

void EphemerisMenu::TakeGivenPositions(const std::optional<GivenPositions>& given) {
    ShowGivenPositions(given);
    emit ChoiceChanged();
}

void EphemerisMenu::ShowGivenPositions(const std::optional<GivenPositions>& given) {
    given_ = given;
    if (given_) {
        swiss_->setChecked(true);
        KeepChoice();
    }
    ShowChoice(Choice());
}

EphemerisChoice EphemerisMenu::Choice() const {
    EphemerisChoice choice{swiss_->isChecked() ? Ephemeris::Swiss : Ephemeris::BuiltIn,
                           trueNode_->isChecked() ? LunarNode::True : LunarNode::Mean};
    if (choice.ephemeris == Ephemeris::Swiss) {
        choice.given = given_;
    }
    for (int at = 0; at < AYANAMSA_SYSTEMS; ++at) {
        if (ayanamsas_[at]->isChecked()) {
            choice.ayanamsa = static_cast<AyanamsaSystem>(at);
        }
    }
    return choice;
}

// The built-in ephemeris has its own mean node and ayanamsa, so the node
// and ayanamsa choices only apply to the Swiss Ephemeris.
void EphemerisMenu::ShowChoice(const EphemerisChoice& choice) {
    const bool swiss = choice.ephemeris == Ephemeris::Swiss;
    (swiss ? swiss_ : builtIn_)->setChecked(true);
    (choice.node == LunarNode::True ? trueNode_ : meanNode_)->setChecked(true);
    ayanamsas_[static_cast<std::size_t>(choice.ayanamsa)]->setChecked(true);
    meanNode_->setEnabled(swiss);
    trueNode_->setEnabled(swiss);
    ayanamsaMenu_->setEnabled(swiss);
    givenAction_->setChecked(swiss && given_.has_value());
}

void EphemerisMenu::KeepChoice() {
    const EphemerisChoice choice = Choice();
    QSettings settings;
    settings.setValue(EPHEMERIS_KEY, ToQString(NameOf(EPHEMERIS_NAMES, choice.ephemeris)));
    settings.setValue(NODE_KEY, ToQString(NameOf(NODE_NAMES, choice.node)));
    settings.setValue(AYANAMSA_KEY, ToQString(AyanamsaName(choice.ayanamsa)));
}

}  // namespace sarovin
