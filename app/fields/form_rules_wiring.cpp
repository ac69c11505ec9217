// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fields/form_rules_wiring.h"

#include <QComboBox>
#include <QPushButton>
#include <functional>
#include <stdexcept>

#include "app/fields/widget_settings.h"
#include "interaction/command.h"
#include "rules/rules.h"

namespace zeru::app {
namespace {

void onUserChoice(WidgetSettings& settings, SettingId id, UserInterface& ui, std::function<void()> rule) {
    QComboBox* box = settings.choiceBox(id);
    QObject::connect(box, &QComboBox::activated, box,
                     [&ui, rule = std::move(rule)] { runCommand(ui, rule); });
}

void onClick(QPushButton* button, UserInterface& ui, std::function<void()> command) {
    if (!button) throw std::logic_error("the window lacks a \"Default parameters\" button");
    QObject::connect(button, &QPushButton::clicked, button,
                     [&ui, command = std::move(command)] { runCommand(ui, command); });
}

}  // namespace

void connectFormRules(const PageButtons& buttons, WidgetSettings& settings, UserInterface& ui) {
    // A user's choice in one of these drop-down lists settles the rules as
    // every change made on the user's behalf does (a --set, a revert). The
    // weather station's is the RS-232 rule then the Bluetooth rule, each
    // message shown before the next rule runs.
    for (const SettingId id :
         {SettingId::Serial1_mode, SettingId::Serial2_mode, SettingId::Weather_stationtype,
          SettingId::Position_report_encoding, SettingId::Position_report_mode})
        onUserChoice(settings, id, ui, [&settings, &ui, id] { rules::settle(settings, id, ui); });

    for (int channel = 1; channel <= 5; ++channel)
        onClick(buttons.analogDefaults[static_cast<std::size_t>(channel - 1)], ui,
                [&settings, channel] { rules::applyAnalogPreset(settings, channel); });
    for (int channel = 1; channel <= 8; ++channel)
        onClick(buttons.digitalDefaults[static_cast<std::size_t>(channel - 1)], ui,
                [&settings, channel] { rules::applyDigitalPreset(settings, channel); });
}

}  // namespace zeru::app
