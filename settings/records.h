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
inline constexpr NumberedRecord kAnalogChannels{SettingId::Teleanalog1_source, SettingId::Teleanalog2_source,
                                                5};
inline constexpr NumberedRecord kDigitalChannels{SettingId::Teledigital1_source,
                                                 SettingId::Teledigital2_source, 8};
inline constexpr NumberedRecord kOrvaxeOutputs{SettingId::Orvaxe_output1, SettingId::Orvaxe_output2, 4};
inline constexpr NumberedRecord kPositionPath{SettingId::Position_path1, SettingId::Position_path2, 3};

static_assert(recordNamesAgree(kAliasRecords));
static_assert(recordNamesAgree(kBeaconRecords));
static_assert(recordNamesAgree(kAnalogChannels));
static_assert(recordNamesAgree(kDigitalChannels));
static_assert(recordNamesAgree(kOrvaxeOutputs));
static_assert(recordNamesAgree(kPositionPath));

// A field of alias rule, beacon or channel n (1-based), named by its field of record 1.
constexpr SettingId alias(int n, SettingId fieldOfAlias1) { return kAliasRecords.at(fieldOfAlias1, n); }
constexpr SettingId beacon(int n, SettingId fieldOfBeacon1) { return kBeaconRecords.at(fieldOfBeacon1, n); }
constexpr SettingId analogChannel(int n, SettingId fieldOfChannel1) {
    return kAnalogChannels.at(fieldOfChannel1, n);
}
constexpr SettingId digitalChannel(int n, SettingId fieldOfChannel1) {
    return kDigitalChannels.at(fieldOfChannel1, n);
}
constexpr SettingId orvaxeOutput(int n) { return kOrvaxeOutputs.at(SettingId::Orvaxe_output1, n); }
constexpr SettingId positionPath(int n, SettingId fieldOfEntry1) {
    return kPositionPath.at(fieldOfEntry1, n);
}

}  // namespace zeru
