// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fields/choice_box.h"

#include <QAccessibleWidget>

namespace zeru::app {
namespace {

class ChoiceBoxAccessible : public QAccessibleWidget {
public:
    explicit ChoiceBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (kind == QAccessible::Name && !box->accessibleName().isEmpty()) return box->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value) return box->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            static_cast<QComboBox*>(widget())->showPopup();
    }
};

QAccessibleInterface* createChoiceBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ChoiceBox::staticMetaObject.className()) && object->isWidgetType())
        return new ChoiceBoxAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(createChoiceBoxAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace zeru::app
