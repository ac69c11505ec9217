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
    // The window's handlers of a user's choice in its drop-down lists.
    const auto Serial1_modeChange = [&] {
        if (auto message = rules::serial1ModeChanged(settings)) ui.information(Message::fromUtf8(*message));
    };
    const auto Serial2_modeChange = [&] {
        if (auto message = rules::serial2ModeChanged(settings)) ui.information(Message::fromUtf8(*message));
    };
    const auto Weather_stationtypeChange = [&] { rules::runPortRules(settings, ui); };
    const auto Position_report_encodingChange = [&] { rules::positionEncodingChanged(settings); };
    const auto Position_report_modeChange = [&] { rules::positionReportModeChanged(settings); };

    onUserChoice(settings, SettingId::Serial1_mode, ui, Serial1_modeChange);
    onUserChoice(settings, SettingId::Serial2_mode, ui, Serial2_modeChange);
    // The weather station rule is the RS-232 rule then the Bluetooth rule, each
    // message shown before the next rule runs.
    onUserChoice(settings, SettingId::Weather_stationtype, ui, Weather_stationtypeChange);
    onUserChoice(settings, SettingId::Position_report_encoding, ui, Position_report_encodingChange);
    onUserChoice(settings, SettingId::Position_report_mode, ui, Position_report_modeChange);

    for (int channel = 1; channel <= 5; ++channel)
        onClick(buttons.analogDefaults[static_cast<std::size_t>(channel - 1)], ui,
                [&settings, channel] { rules::applyAnalogPreset(settings, channel); });
    for (int channel = 1; channel <= 8; ++channel)
        onClick(buttons.digitalDefaults[static_cast<std::size_t>(channel - 1)], ui,
                [&settings, channel] { rules::applyDigitalPreset(settings, channel); });
}

}  // namespace zeru::app
