// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the settings one by one in the device's order and stores each in its
// field of the write image; the first failing setting ends the encoding.
#include <algorithm>
#include <string>

#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/layout.h"
#include "image/station.h"
#include "image/text_checks.h"
#include "image/write_stamp.h"
#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru {
namespace {

using layout::Field;

constexpr std::uint8_t kNoSelection = 255;

// How a message names a setting: "Beacon " 2 " path 1". The text is built only
// when a message is shown, so a passing encoding allocates nothing for it.
struct Label {
    std::string_view prefix;
    int number = 0;
    std::string_view suffix{};

    std::string text() const {
        std::string out(prefix);
        if (number > 0) out += std::to_string(number);
        out += suffix;
        return out;
    }
};

class Encoder {
public:
    Encoder(const Settings& settings, UserInterface& ui, ConfigImage& image)
        : settings_(settings), ui_(ui), image_(image) {}

    bool refuse(const std::string& message) {
        ui_.information(message);
        return false;
    }

    std::string text(const Field& f) const { return settings_.text(f.setting); }
    int index(const Field& f) const { return settings_.index(f.setting); }
    std::int32_t number(const Field& f) const { return toWholeNumber(settings_.text(f.setting)); }

    void choice(const Field& f) {
        const int i = index(f);
        image_[f.offset] = (i >= 0 && i < kNoSelection) ? static_cast<std::uint8_t>(i) : kNoSelection;
    }

    void choice32(const Field& f) { putU32(image_, f.offset, static_cast<std::uint32_t>(index(f))); }

    void character(const Field& f) {
        const std::string t = text(f);
        image_[f.offset] = t.empty() ? 0 : static_cast<std::uint8_t>(t[0]);
    }

    // Stores a number already known to fit the field.
    void putNumber(const Field& f, std::uint32_t value) {
        switch (f.encoding) {
            case layout::Encoding::U8:
                image_[f.offset] = static_cast<std::uint8_t>(value);
                break;
            case layout::Encoding::U16:
                putU16(image_, f.offset, static_cast<std::uint16_t>(value));
                break;
            default:
                putU32(image_, f.offset, value);
                break;
        }
    }

    // The converted number itself must lie in lo..hi (or be 0 where `zeroAllowed`),
    // so that nothing is ever stored wrapped.
    bool ranged(const Field& f, std::int32_t lo, std::int32_t hi, const std::string_view message,
                bool zeroAllowed = false) {
        const std::int32_t value = number(f);
        if (!(zeroAllowed && value == 0) && (value < lo || value > hi)) return refuse(std::string(message));
        putNumber(f, static_cast<std::uint32_t>(value));
        return true;
    }
    bool ranged(const Field& f, std::int32_t lo, std::int32_t hi, const Label& message) {
        const std::int32_t value = number(f);
        if (value < lo || value > hi) return refuse(message.text());
        putNumber(f, static_cast<std::uint32_t>(value));
        return true;
    }

    // A text longer than its field would run into the next one: it is refused.
    bool fitting(const Field& f, std::string_view t, const Label& label) {
        if (t.size() <= f.maxChars) return true;
        return refuse(label.text() + " - too long (max " + std::to_string(f.maxChars) + " characters).");
    }

    bool textField(const Field& f, const Label& label) {
        const std::string t = text(f);
        if (!fitting(f, t, label)) return false;
        putChars(image_, f.offset, t);
        return true;
    }

    bool station(const Field& f, const Label& label) { return station(f, label, label); }
    // `ssidLabel` names the entry in the SSID message (telemetry paths share one).
    bool station(const Field& f, const Label& label, const Label& ssidLabel) {
        const std::string name = text(f);
        if (!fitting(f, name, label)) return false;
        const auto destination = StationField(image_.data() + f.offset, layout::kStationWidth);
        if (!EncodeStation(name, settings_.text(f.ssidSetting), destination))
            return refuse(ssidLabel.text() + " - SSID range error (0 - 15).");
        return true;
    }

    // A text the device shows as it is: stored without line breaks, then only
    // printable characters are accepted.
    bool printableText(const Field& f, std::string_view t, const Label& label) {
        if (!fitting(f, t, label)) return false;
        putChars(image_, f.offset, t);
        if (!IsPrintable(t)) return refuse(label.text() + " - forbidden characters.");
        return true;
    }

    bool radio();
    bool positionReports();
    bool digipeater();
    bool beacons();
    bool telemetry();
    bool weatherAndPorts();
    void finish(std::uint16_t writeStamp);

private:
    const Settings& settings_;
    UserInterface& ui_;
    ConfigImage& image_;
};

bool Encoder::radio() {
    using namespace layout;
    const std::string callsign = text(kCallsign);
    if (callsign.empty()) return refuse("Callsign - too short (ex. NOCALL-4).");
    if (!station(kCallsign, {"Callsign"})) return false;
    image_[kCallsignTerminatorOffset] = 0;

    const std::string latitude = text(kLatitude);
    if (latitude.size() != 8 || !IsLatitude(latitude))
        return refuse("Our latitude - syntax error (ex. 5221.60N, format: DDMM.MM).");
    putChars(image_, kLatitude.offset, latitude);

    const std::string longitude = text(kLongitude);
    if (longitude.size() != 9)
        return refuse("Our longitude - syntax error (ex. 01653.63E, format DDDMM.MM).");
    if (!IsLongitude(longitude))
        return refuse("Our longitude - syntax error (ex. 01653.63E, format: DDDMM.MM).");
    putChars(image_, kLongitude.offset, longitude);

    if (!ranged(kTxdelay, 200, 1000, "Preamble len - range error (200 - 1000).")) return false;
    if (!ranged(kQuiettime, 200, 3000, "Quiet time - range error (200 - 3000).")) return false;
    for (const Field& f : {kQuiettimeRandomize, kPtt, kSquelch, kBusydetect, kConsecutivePackets,
                           kOutputLevel, kPositionReportMode})
        choice(f);
    return true;
}

bool Encoder::positionReports() {
    using namespace layout;
    if (!ranged(kPositionReportInterval, 15, 3600, "Position report interval range error (15 - 3600)."))
        return false;
    static constexpr std::string_view kSmartBeaconingLabels[] = {
        "SmartBeaconing min turn angle", "SmartBeaconing turn slope",  "SmartBeaconing min turn time",
        "SmartBeaconing slow speed",     "SmartBeaconing slow period", "SmartBeaconing fast speed",
        "SmartBeaconing fast period",
    };
    for (std::size_t i = 0; i < kSmartBeaconing.size(); ++i)
        if (!ranged(kSmartBeaconing[i], 0, 65535,
                    Label{kSmartBeaconingLabels[i], 0, " - range error (0 - 65535)."}))
            return false;

    choice(kPositionReportEncoding);
    image_[kMiceMessage.offset] = static_cast<std::uint8_t>(kMiceMessageTop - index(kMiceMessage));
    character(kPositionSymbolCode);
    character(kPositionSymbolTable);
    if (!textField(kPositionStatusText, {"Position report status text"})) return false;
    choice(kPositionTime);

    for (int n = 1; n <= 3; ++n)
        if (!station(kPositionPaths[static_cast<std::size_t>(n - 1)], {"Position report path ", n}))
            return false;

    choice(kPositionCoursespeed);
    choice(kPositionAltitude);
    choice(kPositionReportonfixlost);
    return ranged(kPositionFixlostInterval, 60, 3600,
                  "Position report interval on fix lost range error (60 - 3600).");
}

bool Encoder::digipeater() {
    using namespace layout;
    choice32(kDigion);
    if (!ranged(kFloodtimeout, 15, 180, "Antiflood timeout - range error (15 - 180).")) return false;
    for (int n = 1; n <= 8; ++n) {
        const AliasRecord& alias = kAliases[static_cast<std::size_t>(n - 1)];
        if (!station(alias.station, {"Digipeater alias ", n})) return false;
        choice(alias.traceable);
        choice(alias.enable);
    }
    return true;
}

bool Encoder::beacons() {
    using namespace layout;
    for (int n = 1; n <= 4; ++n) {
        const BeaconRecord& beacon = kBeacons[static_cast<std::size_t>(n - 1)];
        if (!station(beacon.destination, {"Beacon ", n, " destination"})) return false;
        if (!station(beacon.path1, {"Beacon ", n, " path 1"})) return false;
        if (!station(beacon.path2, {"Beacon ", n, " path 2"})) return false;
        if (!ranged(beacon.txrate, 5, 1440, Label{"Beacon ", n, " tx rate range error (5 - 1440)."}))
            return false;
        choice(beacon.enable);
        if (!printableText(beacon.message, withoutLineBreaks(text(beacon.message)),
                           {"Beacon ", n, " message"}))
            return false;
    }
    return true;
}

bool Encoder::telemetry() {
    using namespace layout;
    if (!station(kTeledataDest, {"Telemetry data destination"})) return false;
    if (!station(kTeledataPath1, {"Telemetry data path 1"}, {"Telemetry data path"})) return false;
    if (!station(kTeledataPath2, {"Telemetry data path 2"}, {"Telemetry data path"})) return false;
    if (!ranged(kTeledataTxrateRf, 5, 1440, "Telemetry data tx rate (RF) range error (5 - 1440).", true))
        return false;

    if (!station(kTeleparamsDest, {"Telemetry parameters destination"})) return false;
    if (!station(kTeleparamsPath1, {"Telemetry parameters path 1"}, {"Telemetry parameters path"}))
        return false;
    if (!station(kTeleparamsPath2, {"Telemetry parameters path 2"}, {"Telemetry parameters path"}))
        return false;
    if (!ranged(kTeleparamsTxrateRf, 5, 1440, "Telemetry parameters tx rate (RF) range error (5 - 1440).",
                true))
        return false;

    if (!textField(kTeletitle, {"Telemetry project title"})) return false;
    choice(kTeleEnable);
    if (!ranged(kTeleHoldoff, 0, 250, "First telemetry data packet delay range error (0 - 250)."))
        return false;

    for (int n = 1; n <= 5; ++n) {
        const AnalogRecord& channel = kAnalogChannels[static_cast<std::size_t>(n - 1)];
        choice(channel.source);
        if (!textField(channel.name, {"Analog channel ", n, " name"})) return false;
        if (!textField(channel.units, {"Analog channel ", n, " units"})) return false;
        if (!textField(channel.coefa, {"Analog channel ", n, " coefficient A"})) return false;
        if (!textField(channel.coefb, {"Analog channel ", n, " coefficient B"})) return false;
        if (!textField(channel.coefc, {"Analog channel ", n, " coefficient C"})) return false;
        choice(channel.average);
    }
    for (int n = 1; n <= 8; ++n) {
        const DigitalRecord& channel = kDigitalChannels[static_cast<std::size_t>(n - 1)];
        choice(channel.source);
        if (!textField(channel.name, {"Digital channel ", n, " name"})) return false;
        if (!textField(channel.units, {"Digital channel ", n, " units"})) return false;
        choice(channel.inverted);
    }
    for (const Field& f : kOrvaxeOutputs) choice(f);
    return true;
}

bool Encoder::weatherAndPorts() {
    using namespace layout;
    if (!station(kWeatherDest, {"Weather destination"})) return false;
    if (!station(kWeatherPath1, {"Weather path 1"})) return false;
    if (!station(kWeatherPath2, {"Weather path 2"})) return false;
    if (!ranged(kWeatherTxrate, 5, 1440, "Weather report tx rate range error (5 - 1440).")) return false;
    choice(kWeatherEnable);
    choice(kWeatherPosition);
    if (!printableText(kWeatherComment, text(kWeatherComment), {"Weather report comment"})) return false;

    choice(kSerial1Mode);
    choice(kSerial2Mode);

    const std::string name = text(kBluetoothName);
    if (name.empty()) return refuse("Bluetooth name - wrong length. Should be at least one letter or digit.");
    if (!fitting(kBluetoothName, name, {"Bluetooth name"})) return false;
    if (!IsLettersOrDigits(name))
        return refuse("Bluetooth name - forbidden characters. Should be letters or digits.");
    putChars(image_, kBluetoothName.offset, name);

    const std::string password = text(kBluetoothPassword);
    if (password.size() != 4)
        return refuse("Bluetooth password - wrong length. Should be exactly 4 digits (0-9).");
    if (!IsDigits(password))
        return refuse("Bluetooth password - forbidden characters. Should be exactly 4 digits (0-9).");
    putChars(image_, kBluetoothPassword.offset, password);

    for (const Field& f : kClosingChoices) choice(f);
    return true;
}

void Encoder::finish(std::uint16_t writeStamp) {
    putU16(image_, layout::kWriteStampOffset, writeStamp);
    putChars(image_, kEndMarkerOffset, layout::kEndMarker);
    putU32(image_, layout::kChecksumOffset, imageChecksum(image_));
}

}  // namespace

bool EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage,
                         std::uint16_t writeStamp) {
    writeImage.fill(0);
    putChars(writeImage, kConfigVersionOffset, kVersionLabel);

    Encoder encoder(settings, ui, writeImage);
    if (!encoder.radio() || !encoder.positionReports() || !encoder.digipeater() || !encoder.beacons() ||
        !encoder.telemetry() || !encoder.weatherAndPorts())
        return false;
    encoder.finish(writeStamp);
    return true;
}

bool EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage) {
    // The stamp is drawn before the checks; a refused encoding simply does not use it.
    return EncodeConfiguration(settings, ui, writeImage, drawWriteStamp());
}

}  // namespace zeru
