#include "links/link_accessibility.h"

#include <QAccessibleWidget>

#include "links/link_label.h"

namespace sarovin {

namespace {

class LinkLabelAccessible : public QAccessibleWidget {
  public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const LinkLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->activated();
        }
    }
};

QAccessibleInterface* LinkLabelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
        if (auto* label = qobject_cast<LinkLabel*>(object)) {
            return new LinkLabelAccessible(label);
        }
    }
    return nullptr;
}

}  // namespace

void AnnounceLinkLabelsAsLinks() {
    static const bool installed = [] {
        QAccessible::installFactory(LinkLabelInterface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace sarovin
