// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the settings one by one in the device's order and stores each in its
// field of the write image. Every refusal names its setting and goes to a sink:
// "Write config" ends at the first, the problems check goes on to the last.
#include <optional>
#include <string>

#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/layout.h"
#include "image/refusal_sink.h"
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

// Thrown when the sink asks to end the encoding; caught by EncodeConfiguration.
struct EncodingEnded {};

// Each check returns whether its setting passed; a refused setting is told to
// the sink, and a text too long for its field is never stored.
class Encoder {
public:
    Encoder(const Settings& settings, RefusalSink& sink, ConfigImage& image)
        : settings_(settings), sink_(sink), image_(image) {}

    bool refuse(SettingId setting, const std::string& message) {
        refusedAny_ = true;
        if (!sink_.refused(setting, message)) throw EncodingEnded{};
        return false;
    }

    std::string text(const Field& f) const { return settings_.text(f.setting); }
    int index(const Field& f) const { return settings_.index(f.setting); }

    std::optional<std::int32_t> number(const Field& f) {
        const std::string t = text(f);
        const auto value = parseWholeNumber(t);
        if (!value) {
            refusedAny_ = true;
            if (!sink_.notANumber(f.setting, t)) throw EncodingEnded{};
        }
        return value;
    }

    void choice(const Field& f) {
        const int i = index(f);
        image_[f.offset] = (i >= 0 && i < kNoSelection) ? static_cast<std::uint8_t>(i) : kNoSelection;
    }

    void choice32(const Field& f) { putU32(image_, f.offset, static_cast<std::uint32_t>(index(f))); }

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
    bool ranged(const Field& f, std::int32_t lo, std::int32_t hi, const Label& message,
                bool zeroAllowed = false) {
        const auto value = number(f);
        if (!value) return false;
        if (!(zeroAllowed && *value == 0) && (*value < lo || *value > hi))
            return refuse(f.setting, message.text());
        putNumber(f, static_cast<std::uint32_t>(*value));
        return true;
    }

    // A text longer than its field would run into the next one: it is refused.
    bool fitting(const Field& f, std::string_view t, const Label& label) {
        if (t.size() <= f.maxChars) return true;
        return refuse(f.setting,
                      label.text() + " - too long (max " + std::to_string(f.maxChars) + " characters).");
    }

    // A line break could not be kept in a configuration file, so what a device
    // holds could not be read back and saved as it is.
    bool withoutBreaks(const Field& f, std::string_view t, const Label& label) {
        if (!hasLineBreak(t)) return true;
        return refuse(f.setting, label.text() + " - line breaks are not allowed.");
    }

    bool textField(const Field& f, const Label& label) {
        const std::string t = text(f);
        if (!fitting(f, t, label) || !withoutBreaks(f, t, label)) return false;
        putChars(image_, f.offset, t);
        return true;
    }

    // The first character of a text, 0 when it is empty.
    bool character(const Field& f, const Label& label) {
        const std::string t = text(f);
        if (!withoutBreaks(f, t, label)) return false;
        image_[f.offset] = t.empty() ? 0 : static_cast<std::uint8_t>(t[0]);
        return true;
    }

    bool station(const Field& f, const Label& label) { return station(f, label, label); }
    // `ssidLabel` names the entry in the SSID message (telemetry paths share one).
    bool station(const Field& f, const Label& label, const Label& ssidLabel) {
        const std::string name = text(f);
        if (!fitting(f, name, label) || !withoutBreaks(f, name, label)) return false;
        const auto destination = StationField(image_.data() + f.offset, layout::kStationWidth);
        if (!EncodeStation(name, settings_.text(f.ssidSetting), destination))
            return refuse(f.ssidSetting, ssidLabel.text() + " - SSID range error (0 - 15).");
        return true;
    }

    // A text the device shows as it is: only printable characters are accepted.
    bool printableText(const Field& f, std::string_view t, const Label& label) {
        if (!fitting(f, t, label)) return false;
        putChars(image_, f.offset, t);
        if (!IsPrintable(t)) return refuse(f.setting, label.text() + " - forbidden characters.");
        return true;
    }

    void radio();
    void positionReports();
    void digipeater();
    void beacons();
    void telemetry();
    void weather();
    void ports();
    void finish(std::uint16_t writeStamp);
    bool refusedAny() const { return refusedAny_; }

private:
    bool callsign();
    bool latitude();
    bool longitude();
    bool bluetoothName();
    bool bluetoothPassword();

    const Settings& settings_;
    RefusalSink& sink_;
    ConfigImage& image_;
    bool refusedAny_ = false;
};

bool Encoder::callsign() {
    using namespace layout;
    if (text(kCallsign).empty()) return refuse(kCallsign.setting, "Callsign - too short (ex. NOCALL-4).");
    if (!station(kCallsign, {"Callsign"})) return false;
    image_[kCallsignTerminatorOffset] = 0;
    return true;
}

bool Encoder::latitude() {
    using namespace layout;
    const std::string latitude = text(kLatitude);
    if (latitude.size() != 8 || !IsLatitude(latitude))
        return refuse(kLatitude.setting, "Our latitude - syntax error (ex. 5221.60N, format: DDMM.MM).");
    putChars(image_, kLatitude.offset, latitude);
    return true;
}

bool Encoder::longitude() {
    using namespace layout;
    const std::string longitude = text(kLongitude);
    if (longitude.size() != 9)
        return refuse(kLongitude.setting, "Our longitude - syntax error (ex. 01653.63E, format DDDMM.MM).");
    if (!IsLongitude(longitude))
        return refuse(kLongitude.setting, "Our longitude - syntax error (ex. 01653.63E, format: DDDMM.MM).");
    putChars(image_, kLongitude.offset, longitude);
    return true;
}

void Encoder::radio() {
    using namespace layout;
    callsign();
    latitude();
    longitude();
    ranged(kTxdelay, 200, 1000, {"Preamble len - range error (200 - 1000)."});
    ranged(kQuiettime, 200, 3000, {"Quiet time - range error (200 - 3000)."});
    for (const Field& f : {kQuiettimeRandomize, kPtt, kSquelch, kBusydetect, kConsecutivePackets,
                           kOutputLevel, kPositionReportMode})
        choice(f);
}

void Encoder::positionReports() {
    using namespace layout;
    ranged(kPositionReportInterval, 15, 3600, {"Position report interval range error (15 - 3600)."});
    static constexpr std::string_view kSmartBeaconingLabels[] = {
        "SmartBeaconing min turn angle", "SmartBeaconing turn slope",  "SmartBeaconing min turn time",
        "SmartBeaconing slow speed",     "SmartBeaconing slow period", "SmartBeaconing fast speed",
        "SmartBeaconing fast period",
    };
    for (std::size_t i = 0; i < kSmartBeaconing.size(); ++i)
        ranged(kSmartBeaconing[i], 0, 65535, {kSmartBeaconingLabels[i], 0, " - range error (0 - 65535)."});

    choice(kPositionReportEncoding);
    image_[kMiceMessage.offset] = static_cast<std::uint8_t>(kMiceMessageTop - index(kMiceMessage));
    character(kPositionSymbolCode, {"Position report symbol code"});
    character(kPositionSymbolTable, {"Position report symbol table"});
    textField(kPositionStatusText, {"Position report status text"});
    choice(kPositionTime);

    for (int n = 1; n <= 3; ++n)
        station(kPositionPaths[static_cast<std::size_t>(n - 1)], {"Position report path ", n});

    choice(kPositionCoursespeed);
    choice(kPositionAltitude);
    choice(kPositionReportonfixlost);
    ranged(kPositionFixlostInterval, 60, 3600,
           {"Position report interval on fix lost range error (60 - 3600)."});
}

void Encoder::digipeater() {
    using namespace layout;
    choice32(kDigion);
    ranged(kFloodtimeout, 15, 180, {"Antiflood timeout - range error (15 - 180)."});
    for (int n = 1; n <= 8; ++n) {
        const AliasRecord& alias = kAliases[static_cast<std::size_t>(n - 1)];
        station(alias.station, {"Digipeater alias ", n});
        choice(alias.traceable);
        choice(alias.enable);
    }
}

void Encoder::beacons() {
    using namespace layout;
    for (int n = 1; n <= 4; ++n) {
        const BeaconRecord& beacon = kBeacons[static_cast<std::size_t>(n - 1)];
        station(beacon.destination, {"Beacon ", n, " destination"});
        station(beacon.path1, {"Beacon ", n, " path 1"});
        station(beacon.path2, {"Beacon ", n, " path 2"});
        ranged(beacon.txrate, 5, 1440, {"Beacon ", n, " tx rate range error (5 - 1440)."});
        choice(beacon.enable);
        // Line breaks (pasted text) are dropped: the lines run together.
        printableText(beacon.message, withoutLineBreaks(text(beacon.message)), {"Beacon ", n, " message"});
    }
}

void Encoder::telemetry() {
    using namespace layout;
    station(kTeledataDest, {"Telemetry data destination"});
    station(kTeledataPath1, {"Telemetry data path 1"}, {"Telemetry data path"});
    station(kTeledataPath2, {"Telemetry data path 2"}, {"Telemetry data path"});
    ranged(kTeledataTxrateRf, 5, 1440, {"Telemetry data tx rate (RF) range error (5 - 1440)."}, true);

    station(kTeleparamsDest, {"Telemetry parameters destination"});
    station(kTeleparamsPath1, {"Telemetry parameters path 1"}, {"Telemetry parameters path"});
    station(kTeleparamsPath2, {"Telemetry parameters path 2"}, {"Telemetry parameters path"});
    ranged(kTeleparamsTxrateRf, 5, 1440, {"Telemetry parameters tx rate (RF) range error (5 - 1440)."}, true);

    textField(kTeletitle, {"Telemetry project title"});
    choice(kTeleEnable);
    ranged(kTeleHoldoff, 0, 250, {"First telemetry data packet delay range error (0 - 250)."});

    for (int n = 1; n <= 5; ++n) {
        const AnalogRecord& channel = kAnalogChannels[static_cast<std::size_t>(n - 1)];
        choice(channel.source);
        textField(channel.name, {"Analog channel ", n, " name"});
        textField(channel.units, {"Analog channel ", n, " units"});
        textField(channel.coefa, {"Analog channel ", n, " coefficient A"});
        textField(channel.coefb, {"Analog channel ", n, " coefficient B"});
        textField(channel.coefc, {"Analog channel ", n, " coefficient C"});
        choice(channel.average);
    }
    for (int n = 1; n <= 8; ++n) {
        const DigitalRecord& channel = kDigitalChannels[static_cast<std::size_t>(n - 1)];
        choice(channel.source);
        textField(channel.name, {"Digital channel ", n, " name"});
        textField(channel.units, {"Digital channel ", n, " units"});
        choice(channel.inverted);
    }
    for (const Field& f : kOrvaxeOutputs) choice(f);
}

void Encoder::weather() {
    using namespace layout;
    station(kWeatherDest, {"Weather destination"});
    station(kWeatherPath1, {"Weather path 1"});
    station(kWeatherPath2, {"Weather path 2"});
    ranged(kWeatherTxrate, 5, 1440, {"Weather report tx rate range error (5 - 1440)."});
    choice(kWeatherEnable);
    choice(kWeatherPosition);
    printableText(kWeatherComment, text(kWeatherComment), {"Weather report comment"});
}

bool Encoder::bluetoothName() {
    using namespace layout;
    const std::string name = text(kBluetoothName);
    if (name.empty())
        return refuse(kBluetoothName.setting,
                      "Bluetooth name - wrong length. Should be at least one letter or digit.");
    if (!fitting(kBluetoothName, name, {"Bluetooth name"})) return false;
    if (!IsLettersOrDigits(name))
        return refuse(kBluetoothName.setting,
                      "Bluetooth name - forbidden characters. Should be letters or digits.");
    putChars(image_, kBluetoothName.offset, name);
    return true;
}

bool Encoder::bluetoothPassword() {
    using namespace layout;
    const std::string password = text(kBluetoothPassword);
    if (password.size() != 4)
        return refuse(kBluetoothPassword.setting,
                      "Bluetooth password - wrong length. Should be exactly 4 digits (0-9).");
    if (!IsDigits(password))
        return refuse(kBluetoothPassword.setting,
                      "Bluetooth password - forbidden characters. Should be exactly 4 digits (0-9).");
    putChars(image_, kBluetoothPassword.offset, password);
    return true;
}

void Encoder::ports() {
    using namespace layout;
    choice(kSerial1Mode);
    choice(kSerial2Mode);
    bluetoothName();
    bluetoothPassword();
    for (const Field& f : kClosingChoices) choice(f);
}

void Encoder::finish(std::uint16_t writeStamp) {
    putU16(image_, layout::kWriteStampOffset, writeStamp);
    putChars(image_, kEndMarkerOffset, layout::kEndMarker);
    putU32(image_, layout::kChecksumOffset, imageChecksum(image_));
}

// "Write config": the first refusal is shown in an information box and ends
// the encoding; a number that does not convert ends the whole command.
class FirstRefusalShown : public RefusalSink {
public:
    explicit FirstRefusalShown(UserInterface& ui) : ui_(ui) {}
    bool refused(SettingId, const std::string& message) override {
        ui_.information(Message::fromUtf8(message));
        return false;
    }
    bool notANumber(SettingId, std::string_view text) override { throw ConversionError(text); }

private:
    UserInterface& ui_;
};

}  // namespace

bool EncodeConfiguration(const Settings& settings, RefusalSink& sink, ConfigImage& writeImage,
                         std::uint16_t writeStamp) {
    writeImage.fill(0);
    putChars(writeImage, kConfigVersionOffset, kVersionLabel);

    Encoder encoder(settings, sink, writeImage);
    try {
        encoder.radio();
        encoder.positionReports();
        encoder.digipeater();
        encoder.beacons();
        encoder.telemetry();
        encoder.weather();
        encoder.ports();
    } catch (const EncodingEnded&) {
        return false;
    }
    if (encoder.refusedAny()) return false;
    encoder.finish(writeStamp);
    return true;
}

bool EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage,
                         std::uint16_t writeStamp) {
    FirstRefusalShown sink(ui);
    return EncodeConfiguration(settings, sink, writeImage, writeStamp);
}

bool EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage) {
    // The stamp is drawn before the checks; a refused encoding simply does not use it.
    return EncodeConfiguration(settings, ui, writeImage, drawWriteStamp());
}

}  // namespace zeru
