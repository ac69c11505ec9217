// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form_rules_wiring.h"

#include <QComboBox>
#include <QPushButton>
#include <functional>
#include <stdexcept>

#include "interaction/command.h"
#include "rules/rules.h"

namespace zeru::app {
namespace {

template <typename T>
T* findControl(QWidget& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    if (!control) throw std::logic_error("the window has no control " + name.toStdString());
    return control;
}

void onUserChoice(QWidget& window, const char* name, UserInterface& ui, std::function<void()> rule) {
    QComboBox* box = findControl<QComboBox>(window, QLatin1String(name));
    QObject::connect(box, &QComboBox::activated, box,
                     [&ui, rule = std::move(rule)] { runCommand(ui, rule); });
}

void onClick(QWidget& window, const QString& name, UserInterface& ui, std::function<void()> command) {
    QPushButton* button = findControl<QPushButton>(window, name);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&ui, command = std::move(command)] { runCommand(ui, command); });
}

}  // namespace

void connectFormRules(QWidget& window, Settings& settings, UserInterface& ui) {
    // The window's handlers of a user's choice in its drop-down lists.
    const auto Serial1_modeChange = [&] {
        if (auto message = rules::serial1ModeChanged(settings)) ui.information(*message);
    };
    const auto Serial2_modeChange = [&] {
        if (auto message = rules::serial2ModeChanged(settings)) ui.information(*message);
    };
    const auto Weather_stationtypeChange = [&] { rules::runPortRules(settings, ui); };
    const auto Position_report_encodingChange = [&] { rules::positionEncodingChanged(settings); };
    const auto Position_report_modeChange = [&] { rules::positionReportModeChanged(settings); };

    onUserChoice(window, "Serial1_mode", ui, Serial1_modeChange);
    onUserChoice(window, "Serial2_mode", ui, Serial2_modeChange);
    // The weather station rule is the RS-232 rule then the Bluetooth rule, each
    // message shown before the next rule runs.
    onUserChoice(window, "Weather_stationtype", ui, Weather_stationtypeChange);
    onUserChoice(window, "Position_report_encoding", ui, Position_report_encodingChange);
    onUserChoice(window, "Position_report_mode", ui, Position_report_modeChange);

    for (int channel = 1; channel <= 5; ++channel)
        onClick(window, QStringLiteral("Button_teleanalog%1_default").arg(channel), ui,
                [&settings, channel] { rules::applyAnalogPreset(settings, channel); });
    for (int channel = 1; channel <= 8; ++channel)
        onClick(window, QStringLiteral("Button_teledigital%1_default").arg(channel), ui,
                [&settings, channel] { rules::applyDigitalPreset(settings, channel); });
}

}  // namespace zeru::app
