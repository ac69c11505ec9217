// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/page_locator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <algorithm>

#include "app/widgets/core_text.h"
#include "compare/comparison.h"
#include "settings/catalogue.h"

namespace zeru::app {

std::vector<std::pair<QTabWidget*, int>> tabsHolding(const QWidget* widget) {
    std::vector<std::pair<QTabWidget*, int>> tabs;
    for (const QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        // A tab's page sits in the tab control's stack.
        if (!qobject_cast<const QStackedWidget*>(w->parentWidget())) continue;
        auto* control = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
        if (!control) continue;
        const int index = control->indexOf(const_cast<QWidget*>(w));
        if (index >= 0) tabs.emplace_back(control, index);
    }
    return tabs;
}

QString pageCaption(const QWidget* widget) {
    QStringList captions;
    for (const auto& [control, index] : tabsHolding(widget)) captions.prepend(control->tabText(index));
    return captions.join(QStringLiteral(" / "));
}

QString fieldName(const QWidget* field, std::string_view setting) {
    if (!field->accessibleName().isEmpty()) return field->accessibleName();
    QString label = latin1(settingsCatalogue().def(setting).label);
    if (label.endsWith(QLatin1Char(':'))) label.chop(1);
    if (!label.isEmpty()) return label;
    if (const auto id = findSetting(setting)) return latin1(compare::keyName(cfgfile::fileKeyOf(*id)));
    return latin1(setting);
}

void showField(QWidget* field, bool selectText) {
    auto tabs = tabsHolding(field);
    std::reverse(tabs.begin(), tabs.end());  // the outer page first
    for (const auto& [control, index] : tabs) control->setCurrentIndex(index);
    if (QWidget* top = field->window()) {
        top->raise();
        top->activateWindow();
    }
    // Where the pages scroll (a small screen), the field is scrolled into view.
    for (QWidget* w = field->parentWidget(); w; w = w->parentWidget())
        if (auto* scroller = qobject_cast<QScrollArea*>(w)) scroller->ensureWidgetVisible(field);
    field->setFocus(Qt::OtherFocusReason);
    if (!selectText) return;
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
    if (auto* box = qobject_cast<QComboBox*>(field); box && box->lineEdit()) box->lineEdit()->selectAll();
    if (auto* text = qobject_cast<QPlainTextEdit*>(field)) text->selectAll();
}

}  // namespace zeru::app
