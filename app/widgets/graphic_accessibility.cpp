#include "app/widgets/graphic_accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace sarovin {

namespace {

QAccessibleInterface* GraphicInterface(const QString&, QObject* object) {
    if (object->inherits("sarovin::ChartView") || object->inherits("sarovin::StrengthBarsView")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void ReadChartsAsGraphics() {
    static const bool installed = [] {
        QAccessible::installFactory(GraphicInterface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace sarovin
