#include "app/widgets/list_accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace sarovin {

namespace {

class NamedListAccessible : public QAccessibleWidget {
  public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return widget()->accessibleName().isEmpty() ? List()->currentText()
                                                            : widget()->accessibleName();
            case QAccessible::Value:
                return List()->currentText();
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    QStringList actionNames() const override { return {showMenuAction()}; }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            List()->showPopup();
        }
    }

  private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

// True for a widget anywhere inside the input panel, whatever scrolls it.
bool IsOnInputPanel(const QWidget* widget) {
    for (const QWidget* above = widget->parentWidget(); above; above = above->parentWidget()) {
        if (above->inherits("sarovin::InputPanel")) {
            return true;
        }
    }
    return false;
}

QAccessibleInterface* NamedListInterface(const QString& className, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (className == QLatin1String("QComboBox") && list != nullptr && IsOnInputPanel(list)) {
        return new NamedListAccessible(list);
    }
    return nullptr;
}

}  // namespace

void NameListsByTheirAccessibleName() {
    static const bool installed = [] {
        QAccessible::installFactory(NamedListInterface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace sarovin
