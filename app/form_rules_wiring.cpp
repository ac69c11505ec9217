#include "app/form_rules_wiring.h"

#include <QComboBox>
#include <QPushButton>
#include <functional>
#include <stdexcept>

#include "rules/rules.h"
#include "settings/command.h"

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
    QObject::connect(box, &QComboBox::activated, box, [&ui, rule = std::move(rule)] { runCommand(ui, rule); });
}

void onClick(QWidget& window, const QString& name, UserInterface& ui, std::function<void()> command) {
    QPushButton* button = findControl<QPushButton>(window, name);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&ui, command = std::move(command)] { runCommand(ui, command); });
}

}  // namespace

void connectFormRules(QWidget& window, Settings& settings, UserInterface& ui) {
    onUserChoice(window, "Serial1_mode", ui, [&] {
        if (auto message = rules::Serial1_modeChange(settings)) ui.information(*message);
    });
    onUserChoice(window, "Serial2_mode", ui, [&] {
        if (auto message = rules::Serial2_modeChange(settings)) ui.information(*message);
    });
    // The weather station rule is the RS-232 rule then the Bluetooth rule, each
    // message shown before the next rule runs.
    onUserChoice(window, "Weather_stationtype", ui, [&] { rules::runPortRules(settings, ui); });
    onUserChoice(window, "Position_report_encoding", ui, [&] { rules::Position_report_encodingChange(settings); });
    onUserChoice(window, "Position_report_mode", ui, [&] { rules::Position_report_modeChange(settings); });

    for (int channel = 1; channel <= 5; ++channel)
        onClick(window, QStringLiteral("Button_teleanalog%1_default").arg(channel), ui,
                [&settings, channel] { rules::applyAnalogPreset(settings, channel); });
    for (int channel = 1; channel <= 8; ++channel)
        onClick(window, QStringLiteral("Button_teledigital%1_default").arg(channel), ui,
                [&settings, channel] { rules::applyDigitalPreset(settings, channel); });
}

}  // namespace zeru::app
