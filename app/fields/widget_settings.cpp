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

    settings_.reserve(kSettingCount);
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
            throw std::logic_error("the control " + std::string(def.name) + " is not of the setting's kind");
        settings_.push_back(c);
    }
    for (std::string_view label :
         {rules::kLabelMiceMessage1, rules::kLabelMiceMessage2, rules::kLabelPositionTime})
        labels_.emplace(label, find(label));
}

const WidgetSettings::Control& WidgetSettings::textControl(SettingId id) const {
    const Control& c = settings_[indexOf(id)];
    if (!c.line && !c.message)
        throw std::logic_error("setting " + std::string(settingName(id)) + " is not of the kind asked for");
    return c;
}

QComboBox* WidgetSettings::choiceControl(SettingId id) const {
    QComboBox* box = settings_[indexOf(id)].choice;
    if (!box)
        throw std::logic_error("setting " + std::string(settingName(id)) + " is not of the kind asked for");
    return box;
}

std::string WidgetSettings::text(SettingId id) const {
    const Control& c = textControl(id);
    const QString value = c.line ? c.line->text() : c.message->toPlainText();
    return value.toLatin1().toStdString();
}

void WidgetSettings::setText(SettingId id, std::string_view value) {
    const Control& c = textControl(id);
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

int WidgetSettings::index(SettingId id) const { return choiceControl(id)->currentIndex(); }

void WidgetSettings::setIndex(SettingId id, int index) {
    QComboBox* box = choiceControl(id);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

QWidget* WidgetSettings::controlWidget(std::string_view name) const {
    if (const auto id = findSetting(name)) return settings_[indexOf(*id)].widget;
    const auto it = labels_.find(name);
    if (it == labels_.end()) throw std::out_of_range("unknown setting " + std::string(name));
    return it->second;
}

void WidgetSettings::setEnabled(std::string_view control, bool enabled) {
    controlWidget(control)->setEnabled(enabled);
}

bool WidgetSettings::isEnabled(std::string_view control) const { return controlWidget(control)->isEnabled(); }

}  // namespace zeru::app
