#include "app/shell/house_system_menu.h"

#include <QActionGroup>
#include <QSettings>

#include "output/named_values.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const QString SYSTEM_KEY = QStringLiteral("houses/system");

// The object names of the choices, in the order of HouseSystem.
constexpr std::array<const char*, HOUSE_SYSTEMS.size()> ACTION_NAMES = {
    "mnuSripati", "mnuEqualHouses", "mnuWholeSign", "mnuPlacidus"};

std::size_t IndexOf(HouseSystem system) {
    return static_cast<std::size_t>(system);
}

// The system kept by its name ("whole-sign"); Sripati when none is.
HouseSystem KeptSystem() {
    const std::string kept = TextAsBytes(QSettings().value(SYSTEM_KEY).toString());
    for (const NamedValue<HouseSystem>& named : HOUSE_SYSTEM_NAMES) {
        if (named.name == kept) {
            return named.value;
        }
    }
    return HouseSystem::Sripati;
}

}  // namespace

HouseSystemMenu::HouseSystemMenu(QWidget* parent) : QMenu(QStringLiteral("&Houses"), parent) {
    setObjectName(QStringLiteral("mnuHouses"));
    auto* group = new QActionGroup(this);
    for (const HouseSystem system : HOUSE_SYSTEMS) {
        QAction* action = addAction(QStringLiteral("&") + ToQString(HouseSystemTitle(system)));
        action->setObjectName(ToQString(ACTION_NAMES[IndexOf(system)]));
        action->setCheckable(true);
        group->addAction(action);
        systems_[IndexOf(system)] = action;
    }
    systems_[IndexOf(KeptSystem())]->setChecked(true);
    connect(group, &QActionGroup::triggered, this, [this] {
        QSettings().setValue(SYSTEM_KEY, ToQString(NameOf(HOUSE_SYSTEM_NAMES, Choice())));
        emit ChoiceChanged();
    });
}

HouseSystem HouseSystemMenu::Choice() const {
    for (const HouseSystem system : HOUSE_SYSTEMS) {
        if (systems_[IndexOf(system)]->isChecked()) {
            return system;
        }
    }
    return HouseSystem::Sripati;
}

}  // namespace sarovin
