// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered records of settings: alias rules, beacons, telemetry channels,
// outputs and the entries of the position report path. Each is a run of
// settings repeated once per record; the static_asserts prove that the list of
// ids agrees, so that record(n) names exactly "Alias<n>_..." and no other.
#pragma once

#include "settings/setting_id.h"

namespace zeru {

inline constexpr NumberedRecord kAliasRecords{SettingId::Alias1_name, SettingId::Alias2_name, 8};
inline constexpr NumberedRecord kBeaconRecords{SettingId::Beacon1_dest_string, SettingId::Beacon2_dest_string,
                                               4};
inline constexpr NumberedRecord kAnalogChannelRecords{SettingId::Teleanalog1_source,
                                                      SettingId::Teleanalog2_source, 5};
inline constexpr NumberedRecord kDigitalChannelRecords{SettingId::Teledigital1_source,
                                                       SettingId::Teledigital2_source, 8};
inline constexpr NumberedRecord kOrvaxeOutputRecords{SettingId::Orvaxe_output1, SettingId::Orvaxe_output2, 4};
inline constexpr NumberedRecord kPositionPathRecords{SettingId::Position_path1, SettingId::Position_path2, 3};

static_assert(recordNamesAgree(kAliasRecords));
static_assert(recordNamesAgree(kBeaconRecords));
static_assert(recordNamesAgree(kAnalogChannelRecords));
static_assert(recordNamesAgree(kDigitalChannelRecords));
static_assert(recordNamesAgree(kOrvaxeOutputRecords));
static_assert(recordNamesAgree(kPositionPathRecords));

// A field of alias rule, beacon or channel n (1-based), named by its field of record 1.
constexpr SettingId alias(int n, SettingId fieldOfAlias1) { return kAliasRecords.at(fieldOfAlias1, n); }
constexpr SettingId beacon(int n, SettingId fieldOfBeacon1) { return kBeaconRecords.at(fieldOfBeacon1, n); }
constexpr SettingId analogChannel(int n, SettingId fieldOfChannel1) {
    return kAnalogChannelRecords.at(fieldOfChannel1, n);
}
constexpr SettingId digitalChannel(int n, SettingId fieldOfChannel1) {
    return kDigitalChannelRecords.at(fieldOfChannel1, n);
}
constexpr SettingId orvaxeOutput(int n) { return kOrvaxeOutputRecords.at(SettingId::Orvaxe_output1, n); }
constexpr SettingId positionPath(int n, SettingId fieldOfEntry1) {
    return kPositionPathRecords.at(fieldOfEntry1, n);
}

}  // namespace zeru
