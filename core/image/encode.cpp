// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the settings one by one in the device's order and stores each in its
// field of the write image. Every refusal names its setting and goes to a sink:
// "Write config" ends at the first, the problems check goes on to the last.
#include <optional>
#include <string>

#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/encode_order.h"
#include "image/layout.h"
#include "image/refusal_sink.h"
#include "image/station.h"
#include "image/text_checks.h"
#include "image/write_stamp.h"
#include "interaction/command.h"
#include "settings/catalogue.h"
#include "settings/whole_number.h"

namespace zeru {
namespace {

using layout::Check;
using layout::Field;
using layout::kNoSelection;
using layout::Label;

// Each check returns whether its setting passed; a refused setting is told to
// the sink, and a text too long for its field is never stored. A check stops
// at its refusal, and once the sink wants no more no other check runs.
class Encoder {
public:
    Encoder(const Settings& settings, RefusalSink& sink, ConfigImage& image)
        : settings_(settings), sink_(sink), image_(image) {}

    bool refuse(SettingId setting, const std::string& message) {
        if (!firstRefusal_) firstRefusal_ = Failure::refused(setting, message);
        if (!sink_.refused(setting, message)) ended_ = true;
        return false;
    }

    std::string text(const Field& f) const { return settings_.text(f.setting); }
    int index(const Field& f) const { return settings_.index(f.setting); }

    std::optional<std::int32_t> number(const Field& f) {
        const std::string t = text(f);
        const auto value = parseWholeNumber(t);
        if (!value) {
            if (!firstRefusal_) firstRefusal_ = Failure::refused(f.setting, notAWholeNumberText(t));
            if (!sink_.notANumber(f.setting, t)) ended_ = true;
        }
        return value;
    }

    void choice(const Field& f) {
        const int i = index(f);
        image_[f.offset] = (i >= 0 && i < kNoSelection) ? static_cast<std::uint8_t>(i) : kNoSelection;
    }

    void choiceFromTop(const Field& f) {
        image_[f.offset] = static_cast<std::uint8_t>(layout::kMiceMessageTop - index(f));
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

    void check(const layout::Step& step);
    void finish(std::uint16_t writeStamp);
    // The first refusal, nullopt while nothing was refused.
    const std::optional<Failure>& firstRefusal() const { return firstRefusal_; }
    bool ended() const { return ended_; }

private:
    bool callsign();
    bool latitude();
    bool longitude();
    bool bluetoothName();
    bool bluetoothPassword();

    const Settings& settings_;
    RefusalSink& sink_;
    ConfigImage& image_;
    std::optional<Failure> firstRefusal_;
    bool ended_ = false;  // the sink wants no more
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

// One step of the order of checks, by the check it names.
void Encoder::check(const layout::Step& step) {
    const Field& f = step.field;
    switch (step.check) {
        case Check::Choice:
            if (f.encoding == layout::Encoding::Choice32)
                choice32(f);
            else if (f.encoding == layout::Encoding::ChoiceFromTop)
                choiceFromTop(f);
            else
                choice(f);
            break;
        case Check::Callsign:
            callsign();
            break;
        case Check::Latitude:
            latitude();
            break;
        case Check::Longitude:
            longitude();
            break;
        case Check::Ranged:
            ranged(f, step.lo, step.hi, step.label);
            break;
        case Check::RangedOrZero:
            ranged(f, step.lo, step.hi, step.label, true);
            break;
        case Check::Character:
            character(f, step.label);
            break;
        case Check::Text:
            textField(f, step.label);
            break;
        case Check::Station:
            station(f, step.label, step.ssidLabel);
            break;
        case Check::Printable:
            printableText(f, text(f), step.label);
            break;
        case Check::PrintableJoined:
            // Line breaks (pasted text) are dropped: the lines run together.
            printableText(f, withoutLineBreaks(text(f)), step.label);
            break;
        case Check::BluetoothName:
            bluetoothName();
            break;
        case Check::BluetoothPassword:
            bluetoothPassword();
            break;
    }
}

void Encoder::finish(std::uint16_t writeStamp) {
    putU16(image_, layout::kWriteStampOffset, writeStamp);
    putChars(image_, kEndMarkerOffset, layout::kEndMarker);
    putU32(image_, layout::kChecksumOffset, imageChecksum(image_));
}

// "Write config": the first refusal is shown in an information box, a number
// that does not convert in the error box, and either ends the encoding.
class FirstRefusalShown : public RefusalSink {
public:
    explicit FirstRefusalShown(UserInterface& ui) : ui_(ui) {}
    bool refused(SettingId, const std::string& message) override {
        ui_.information(Message::fromUtf8(message));
        return false;
    }
    bool notANumber(SettingId, std::string_view text) override {
        ui_.error(Message::fromUtf8(errorBoxText(notAWholeNumberText(text))));
        return false;
    }

private:
    UserInterface& ui_;
};

}  // namespace

Outcome EncodeConfiguration(const Settings& settings, RefusalSink& sink, ConfigImage& writeImage,
                            std::uint16_t writeStamp) {
    writeImage.fill(0);
    putChars(writeImage, kConfigVersionOffset, kVersionLabel);

    Encoder encoder(settings, sink, writeImage);
    for (const layout::Step& step : layout::kEncodeOrder) {
        encoder.check(step);
        if (encoder.ended()) break;
    }
    if (encoder.firstRefusal()) return *encoder.firstRefusal();
    encoder.finish(writeStamp);
    return {};
}

Outcome EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage,
                            std::uint16_t writeStamp) {
    FirstRefusalShown sink(ui);
    return EncodeConfiguration(settings, sink, writeImage, writeStamp);
}

Outcome EncodeConfiguration(const Settings& settings, UserInterface& ui, ConfigImage& writeImage) {
    // The stamp is drawn before the checks; a refused encoding simply does not use it.
    return EncodeConfiguration(settings, ui, writeImage, drawWriteStamp());
}

}  // namespace zeru
