// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fields/widget_settings.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <algorithm>
#include <stdexcept>

#include "app/fields/beacon_message_edit.h"
#include "app/fields/field_factory.h"
#include "rules/rules.h"
#include "settings/catalogue.h"

namespace zeru::app {
namespace {

// A field whose text the program made longer than the typing limit keeps its
// raised limit only as long as its text needs it, so typing past the
// catalogued limit stays refused.
void keepLimitAtLeast(QLineEdit* line, int limit) {
    QObject::connect(line, &QLineEdit::textEdited, line, [line, limit] {
        const int wanted = std::max(limit, static_cast<int>(line->text().size()));
        if (line->maxLength() != wanted) {
            const int cursor = line->cursorPosition();
            line->setMaxLength(wanted);
            line->setCursorPosition(cursor);
        }
    });
}

}  // namespace

WidgetSettings::WidgetSettings(QWidget& root) {
    QHash<QString, QWidget*> byName;
    for (QWidget* w : root.findChildren<QWidget*>())
        if (!w->objectName().isEmpty()) byName.insert(w->objectName(), w);

    auto find = [&](std::string_view name) {
        auto it = byName.find(latin1(name));
        if (it == byName.end()) throw std::logic_error("the window has no control " + std::string(name));
        return it.value();
    };

    for (const SettingDef& def : settingsCatalogue().defs()) {
        Control c;
        c.widget = find(def.name);
        if (def.kind == SettingKind::Choice) {
            c.choice = qobject_cast<QComboBox*>(c.widget);
        } else {
            c.line = qobject_cast<QLineEdit*>(c.widget);
            c.message = qobject_cast<BeaconMessageEdit*>(c.widget);
            c.limit = def.maxLength;
            if (c.line) keepLimitAtLeast(c.line, c.limit);
        }
        if (!c.choice && !c.line && !c.message)
            throw std::logic_error("the control " + def.name + " is not of the setting's kind");
        controls_.emplace(def.name, c);
    }
    for (std::string_view label :
         {rules::kLabelMiceMessage1, rules::kLabelMiceMessage2, rules::kLabelPositionTime})
        controls_.emplace(label, Control{find(label), nullptr, nullptr, nullptr, 0});
}

const WidgetSettings::Control& WidgetSettings::control(std::string_view name) const {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("unknown setting " + std::string(name));
    return it->second;
}

const WidgetSettings::Control& WidgetSettings::textControl(std::string_view name) const {
    const Control& c = control(name);
    if (!c.line && !c.message)
        throw std::logic_error("setting " + std::string(name) + " is not of the kind asked for");
    return c;
}

QComboBox* WidgetSettings::choiceControl(std::string_view name) const {
    QComboBox* box = control(name).choice;
    if (!box) throw std::logic_error("setting " + std::string(name) + " is not of the kind asked for");
    return box;
}

std::string WidgetSettings::text(std::string_view name) const {
    const Control& c = textControl(name);
    const QString value = c.line ? c.line->text() : c.message->toPlainText();
    return value.toLatin1().toStdString();
}

void WidgetSettings::setText(std::string_view name, std::string_view value) {
    const Control& c = textControl(name);
    const QString text = latin1(value);
    if (c.line) {
        // QLineEdit cuts a text longer than its limit; the program's text is kept whole.
        const int limit = std::max(c.limit, static_cast<int>(text.size()));
        if (c.line->maxLength() != limit) c.line->setMaxLength(limit);
        c.line->setText(text);
    } else {
        c.message->setPlainText(text);
    }
}

int WidgetSettings::index(std::string_view name) const { return choiceControl(name)->currentIndex(); }

void WidgetSettings::setIndex(std::string_view name, int index) {
    QComboBox* box = choiceControl(name);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void WidgetSettings::setEnabled(std::string_view control, bool enabled) {
    this->control(control).widget->setEnabled(enabled);
}

bool WidgetSettings::isEnabled(std::string_view control) const {
    return this->control(control).widget->isEnabled();
}

}  // namespace zeru::app
