// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting's typed id. The list below is the one place in the code where
// the settings' names are written: the enum SettingId and the table of names
// are both generated from it, so code names a setting as
// SettingId::Beacon2_message and a misspelt setting does not compile. A name
// that comes from outside (a file key's setting, --set, a widget's objectName,
// the browser page) is turned into an id once, at that edge, by findSetting.
// The list is in start-up order, the order of the catalogue.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zeru {

// clang-format off
#define ZERU_SETTING_LIST(X) \
    /* TabSheet_radio */ \
    X(Callsign) \
    X(Ssid) \
    X(Latitude) \
    X(Longitude) \
    X(Txdelay) \
    X(Quiettime) \
    X(Quiettime_randomize) \
    X(Ptt) \
    X(Squelch) \
    X(Busydetect) \
    X(Consecutive_packets) \
    X(Output_level) \
    /* TabSheet_position_reports */ \
    X(Position_report_mode) \
    X(Smartbeaconing_min_turn_angle) \
    X(Smartbeaconing_turn_slope) \
    X(Smartbeaconing_min_turn_time) \
    X(Smartbeaconing_slow_speed) \
    X(Smartbeaconing_slow_period) \
    X(Smartbeaconing_fast_speed) \
    X(Smartbeaconing_fast_period) \
    X(Position_report_interval) \
    X(Position_report_encoding) \
    X(Position_symbol_code) \
    X(Position_symbol_table) \
    X(Mice_message) \
    X(Position_path1) \
    X(Position_ssid1) \
    X(Position_path2) \
    X(Position_ssid2) \
    X(Position_path3) \
    X(Position_ssid3) \
    X(Position_status_text) \
    X(Position_time) \
    X(Position_coursespeed) \
    X(Position_altitude) \
    X(Position_reportonfixlost) \
    X(Position_fixlost_interval) \
    /* TabSheet_common_settings */ \
    X(Digion) \
    X(Floodtimeout) \
    /* TabSheet_simple_aliases */ \
    X(Alias1_name) \
    X(Alias1_ssid) \
    X(Alias1_traceable) \
    X(Alias1_enable) \
    X(Alias2_name) \
    X(Alias2_ssid) \
    X(Alias2_traceable) \
    X(Alias2_enable) \
    X(Alias3_name) \
    X(Alias3_ssid) \
    X(Alias3_traceable) \
    X(Alias3_enable) \
    X(Alias4_name) \
    X(Alias4_ssid) \
    X(Alias4_traceable) \
    X(Alias4_enable) \
    X(Alias5_name) \
    X(Alias5_ssid) \
    X(Alias5_traceable) \
    X(Alias5_enable) \
    X(Alias6_name) \
    X(Alias6_ssid) \
    X(Alias6_traceable) \
    X(Alias6_enable) \
    X(Alias7_name) \
    X(Alias7_ssid) \
    X(Alias7_traceable) \
    X(Alias7_enable) \
    X(Alias8_name) \
    X(Alias8_ssid) \
    X(Alias8_traceable) \
    X(Alias8_enable) \
    /* TabSheet_beacons */ \
    X(Beacon1_dest_string) \
    X(Beacon1_dest_ssid) \
    X(Beacon1_path1_string) \
    X(Beacon1_path1_ssid) \
    X(Beacon1_path2_string) \
    X(Beacon1_path2_ssid) \
    X(Beacon1_txrate) \
    X(Beacon1_enable) \
    X(Beacon1_message) \
    X(Beacon2_dest_string) \
    X(Beacon2_dest_ssid) \
    X(Beacon2_path1_string) \
    X(Beacon2_path1_ssid) \
    X(Beacon2_path2_string) \
    X(Beacon2_path2_ssid) \
    X(Beacon2_txrate) \
    X(Beacon2_enable) \
    X(Beacon2_message) \
    X(Beacon3_dest_string) \
    X(Beacon3_dest_ssid) \
    X(Beacon3_path1_string) \
    X(Beacon3_path1_ssid) \
    X(Beacon3_path2_string) \
    X(Beacon3_path2_ssid) \
    X(Beacon3_txrate) \
    X(Beacon3_enable) \
    X(Beacon3_message) \
    X(Beacon4_dest_string) \
    X(Beacon4_dest_ssid) \
    X(Beacon4_path1_string) \
    X(Beacon4_path1_ssid) \
    X(Beacon4_path2_string) \
    X(Beacon4_path2_ssid) \
    X(Beacon4_txrate) \
    X(Beacon4_enable) \
    X(Beacon4_message) \
    /* TabSheet_report_settings */ \
    X(Tele_enable) \
    X(Teletitle) \
    X(Tele_holdoff) \
    X(Teleparams_dest_string) \
    X(Teleparams_dest_ssid) \
    X(Teleparams_path1_string) \
    X(Teleparams_path1_ssid) \
    X(Teleparams_path2_string) \
    X(Teleparams_path2_ssid) \
    X(Teleparams_txrate_rf) \
    X(Teledata_dest_string) \
    X(Teledata_dest_ssid) \
    X(Teledata_path1_string) \
    X(Teledata_path1_ssid) \
    X(Teledata_path2_string) \
    X(Teledata_path2_ssid) \
    X(Teledata_txrate_rf) \
    /* TabSheet_analog_channels */ \
    X(Teleanalog1_source) \
    X(Teleanalog1_name) \
    X(Teleanalog1_units) \
    X(Teleanalog1_coefa) \
    X(Teleanalog1_coefb) \
    X(Teleanalog1_coefc) \
    X(Teleanalog1_average) \
    X(Teleanalog2_source) \
    X(Teleanalog2_name) \
    X(Teleanalog2_units) \
    X(Teleanalog2_coefa) \
    X(Teleanalog2_coefb) \
    X(Teleanalog2_coefc) \
    X(Teleanalog2_average) \
    X(Teleanalog3_source) \
    X(Teleanalog3_name) \
    X(Teleanalog3_units) \
    X(Teleanalog3_coefa) \
    X(Teleanalog3_coefb) \
    X(Teleanalog3_coefc) \
    X(Teleanalog3_average) \
    X(Teleanalog4_source) \
    X(Teleanalog4_name) \
    X(Teleanalog4_units) \
    X(Teleanalog4_coefa) \
    X(Teleanalog4_coefb) \
    X(Teleanalog4_coefc) \
    X(Teleanalog4_average) \
    X(Teleanalog5_source) \
    X(Teleanalog5_name) \
    X(Teleanalog5_units) \
    X(Teleanalog5_coefa) \
    X(Teleanalog5_coefb) \
    X(Teleanalog5_coefc) \
    X(Teleanalog5_average) \
    /* TabSheet_digital_channels14 */ \
    X(Teledigital1_source) \
    X(Teledigital1_name) \
    X(Teledigital1_units) \
    X(Teledigital1_inverted) \
    X(Teledigital2_source) \
    X(Teledigital2_name) \
    X(Teledigital2_units) \
    X(Teledigital2_inverted) \
    X(Teledigital3_source) \
    X(Teledigital3_name) \
    X(Teledigital3_units) \
    X(Teledigital3_inverted) \
    X(Teledigital4_source) \
    X(Teledigital4_name) \
    X(Teledigital4_units) \
    X(Teledigital4_inverted) \
    /* TabSheet_digital_channels58 */ \
    X(Teledigital5_source) \
    X(Teledigital5_name) \
    X(Teledigital5_units) \
    X(Teledigital5_inverted) \
    X(Teledigital6_source) \
    X(Teledigital6_name) \
    X(Teledigital6_units) \
    X(Teledigital6_inverted) \
    X(Teledigital7_source) \
    X(Teledigital7_name) \
    X(Teledigital7_units) \
    X(Teledigital7_inverted) \
    X(Teledigital8_source) \
    X(Teledigital8_name) \
    X(Teledigital8_units) \
    X(Teledigital8_inverted) \
    /* TabSheet_orvaxe_outputs */ \
    X(Orvaxe_output1) \
    X(Orvaxe_output2) \
    X(Orvaxe_output3) \
    X(Orvaxe_output4) \
    /* TabSheet_weather_reports */ \
    X(Weather_dest_string) \
    X(Weather_dest_ssid) \
    X(Weather_path1_string) \
    X(Weather_path1_ssid) \
    X(Weather_path2_string) \
    X(Weather_path2_ssid) \
    X(Weather_txrate) \
    X(Weather_enable) \
    X(Weather_position) \
    X(Weather_comment) \
    /* TabSheet_serial_ports */ \
    X(Serial1_mode) \
    X(Serial2_mode) \
    /* TabSheet_bluetooth */ \
    X(Bluetooth_name) \
    X(Bluetooth_password) \
    /* TabSheet_rs485_port */ \
    X(RS485_mode) \
    X(Telemodule_enable) \
    X(Bitsmodule_enable) \
    /* TabSheet_weather_station */ \
    X(Weather_stationtype) \
    /* TabSheet_serial_console */ \
    X(Console_baudrate) \
    X(Debug_rf) \
    X(Debug_ax25) \
    X(Debug_weather) \
    X(Debug_telemetry) \
    X(Debug_bluetooth) \
    X(Debug_gps) \
    X(Debug_kiss) \
    X(Debug_thermo) \
    /* TabSheet_gps_receiver */ \
    X(GPS_baudrate) \
    /* TabSheet_kiss */ \
    X(Kiss_baudrate) \
    X(Kiss_direction) \
    X(Kiss_check)
// clang-format on

enum class SettingId : std::uint16_t {
#define ZERU_SETTING_ID(name) name,
    ZERU_SETTING_LIST(ZERU_SETTING_ID)
#undef ZERU_SETTING_ID
};

inline constexpr std::array kSettingNames = {
#define ZERU_SETTING_NAME(name) std::string_view(#name),
    ZERU_SETTING_LIST(ZERU_SETTING_NAME)
#undef ZERU_SETTING_NAME
};

inline constexpr std::size_t kSettingCount = kSettingNames.size();

// Position of a setting in the catalogue and in every table indexed by id.
constexpr std::size_t indexOf(SettingId id) { return static_cast<std::size_t>(id); }
constexpr SettingId settingAt(std::size_t index) { return static_cast<SettingId>(index); }
constexpr std::string_view settingName(SettingId id) { return kSettingNames[indexOf(id)]; }

// The id of a setting named from outside, or nullopt for an unknown name.
std::optional<SettingId> findSetting(std::string_view name);
// The same where an unknown name is a fault of the program: throws std::out_of_range.
SettingId settingNamed(std::string_view name);

// Numbered records ("Alias3_name", "Beacon2_message"): the same fields, in the
// same order, once per record. `at(field, n)` is that field of record n, given
// the field of record 1; recordNamesAgree proves at compile time that every
// record's names are those of record 1 with its number changed.
struct NumberedRecord {
    SettingId first;  // first field of record 1
    SettingId next;   // first field of record 2 (or the setting after record 1 when count is 1)
    int count;

    constexpr std::size_t fields() const { return indexOf(next) - indexOf(first); }
    constexpr SettingId at(SettingId fieldOfFirst, int n) const {
        return settingAt(indexOf(fieldOfFirst) + static_cast<std::size_t>(n - 1) * fields());
    }
};

namespace detail {
// The record number in a name: its first digit.
constexpr std::size_t digitAt(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] >= '1' && name[i] <= '9') return i;
    return name.size();
}
}  // namespace detail

constexpr bool recordNamesAgree(const NumberedRecord& r) {
    for (std::size_t f = 0; f < r.fields(); ++f) {
        const std::string_view one = kSettingNames[indexOf(r.first) + f];
        const std::size_t digit = detail::digitAt(one);
        if (digit == one.size() || one[digit] != '1') return false;
        for (int n = 2; n <= r.count; ++n) {
            const std::size_t at = indexOf(r.first) + f + static_cast<std::size_t>(n - 1) * r.fields();
            if (at >= kSettingCount) return false;
            const std::string_view other = kSettingNames[at];
            if (other.size() != one.size() || other.substr(0, digit) != one.substr(0, digit) ||
                other[digit] != static_cast<char>('0' + n) ||
                other.substr(digit + 1) != one.substr(digit + 1))
                return false;
        }
    }
    return true;
}

}  // namespace zeru
