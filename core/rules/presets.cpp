// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>

#include "rules/rules.h"
#include "settings/records.h"

namespace zeru::rules {
namespace {

struct AnalogPreset {
    const char* name;  // nullptr: "A" and the channel number
    const char* units;
    const char* a;
    const char* b;
    const char* c;
};

// Indexed by the analog source list.
// clang-format off
constexpr std::array<AnalogPreset, 14> kAnalogPresets{{
    {nullptr, "None", "0", "0", "0"},    // Not used
    {"I1", "mA", "0", "19.5", "0"},      // (M) Current1 (5A fullscale)
    {"I1", "mA", "0", "9.76", "0"},      // (M) Current1 (2.5A fullscale)
    {"I1", "mA", "0", "4.88", "0"},      // (M) Current1 (1.25A fullscale)
    {"I2", "mA", "0", "19.5", "0"},      // (M) Current2 (5A fullscale)
    {"I2", "mA", "0", "9.76", "0"},      // (M) Current2 (2.5A fullscale)
    {"I2", "mA", "0", "4.88", "0"},      // (M) Current2 (1.25A fullscale)
    {"U1", "Volt", "0", "0.1", "0"},     // (M) Voltage1
    {"U2", "Volt", "0", "0.1", "0"},     // (M) Voltage2
    {"Temp", "C", "0", "0.5", "-64"},    // (M) Temperature (DS18B20)
    {"Temp", "C", "0", "0.5", "-64"},    // (M) Temperature (DS18S20)
    {"Vin", "Volt", "0", "0.075", "0"},  // (I) Input voltage
    {"Temp", "C", "0", "0.5", "-64"},    // (E) Temperature (DS18B20)
    {"Temp", "C", "0", "0.5", "-64"},    // (E) Temperature (DS18S20)
}};
// clang-format on

struct DigitalPreset {
    const char* name;   // nullptr: "B" and the channel number
    const char* label;  // nullptr: "None", or "Non" where the field holds three characters
};

// Indexed by the digital source list.
// clang-format off
constexpr std::array<DigitalPreset, 9> kDigitalPresets{{
    {nullptr, nullptr},  // Not used
    {"O1", "On"}, {"O2", "On"}, {"O3", "On"}, {"O4", "On"},
    {"I1", "Hi"}, {"I2", "Hi"}, {"I3", "Hi"}, {"I4", "Hi"},
}};
// clang-format on

}  // namespace

void applyAnalogPreset(Settings& settings, int channel) {
    const auto setting = [channel](SettingId ofChannel1) { return analogChannel(channel, ofChannel1); };
    const int source = settings.index(setting(SettingId::Teleanalog1_source));
    if (source < 0 || source >= static_cast<int>(kAnalogPresets.size())) return;
    const AnalogPreset& p = kAnalogPresets[static_cast<std::size_t>(source)];
    settings.setText(setting(SettingId::Teleanalog1_name),
                     p.name ? std::string(p.name) : "A" + std::to_string(channel));
    settings.setText(setting(SettingId::Teleanalog1_units), p.units);
    settings.setText(setting(SettingId::Teleanalog1_coefa), p.a);
    settings.setText(setting(SettingId::Teleanalog1_coefb), p.b);
    settings.setText(setting(SettingId::Teleanalog1_coefc), p.c);
    settings.setIndex(setting(SettingId::Teleanalog1_average), 0);
}

void applyDigitalPreset(Settings& settings, int channel) {
    const auto setting = [channel](SettingId ofChannel1) { return digitalChannel(channel, ofChannel1); };
    const int source = settings.index(setting(SettingId::Teledigital1_source));
    if (source < 0 || source >= static_cast<int>(kDigitalPresets.size())) return;
    const DigitalPreset& p = kDigitalPresets[static_cast<std::size_t>(source)];
    settings.setText(setting(SettingId::Teledigital1_name),
                     p.name ? std::string(p.name) : "B" + std::to_string(channel));
    settings.setText(setting(SettingId::Teledigital1_units),
                     p.label ? p.label : (channel >= 6 ? "Non" : "None"));
    settings.setIndex(setting(SettingId::Teledigital1_inverted), 0);
}

}  // namespace zeru::rules
