// SPDX-License-Identifier: GPL-3.0-or-later
// Sets every setting from its field of the read image, in the device's order,
// and lets the form rules follow as they would after a user's change.
#include <algorithm>
#include <string>

#include "image/byte_fields.h"
#include "image/codec.h"
#include "image/layout.h"
#include "image/station.h"
#include "rules/rules.h"
#include "settings/catalogue.h"

namespace zeru {
namespace {

using layout::Encoding;
using layout::Field;

// The device's version text may be at most 7 characters: byte 13 is cut to 0.
// The device's version is shown up to its seventh character.
constexpr std::size_t kVersionShownChars = 7;

class Decoder {
public:
    Decoder(const ConfigImage& image, Settings& settings) : image_(image), settings_(settings) {}

    void operator()(const Field& f) {
        switch (f.encoding) {
            case Encoding::U8:
                setNumber(f, image_[f.offset]);
                break;
            case Encoding::U16:
                setNumber(f, getU16(image_, f.offset));
                break;
            case Encoding::U32:
                setNumber(f, getU32(image_, f.offset));
                break;
            // An index beyond the list leaves the choice without a selection.
            case Encoding::Choice:
                settings_.setIndex(f.setting, image_[f.offset]);
                break;
            case Encoding::Choice32:
                settings_.setIndex(f.setting, static_cast<int>(getU32(image_, f.offset)));
                break;
            case Encoding::Char:
                settings_.setText(f.setting, getChars(image_, f.offset, 1));
                break;
            case Encoding::Text:
                settings_.setText(f.setting, getChars(image_, f.offset, f.width));
                break;
            case Encoding::Station:
                DecodeStation(ConstStationField(image_.data() + f.offset, layout::kStationWidth), settings_,
                              f.setting, f.ssidSetting);
                break;
        }
    }

    void operator()(std::initializer_list<Field> fields) {
        for (const Field& f : fields) (*this)(f);
    }

    void miceMessage() {
        settings_.setIndex(layout::kMiceMessage.setting,
                           layout::kMiceMessageTop - image_[layout::kMiceMessage.offset]);
    }

private:
    void setNumber(const Field& f, std::uint32_t value) {
        settings_.setText(f.setting, std::to_string(value));
    }

    const ConfigImage& image_;
    Settings& settings_;
};

bool versionMatches(const ConfigImage& image, UserInterface& ui) {
    const auto stored = image.begin() + kConfigVersionOffset;
    if (std::equal(kVersionLabel.begin(), kVersionLabel.end(), stored)) return true;
    const std::string device = getChars(image, kConfigVersionOffset, kVersionShownChars);
    std::string message = "Uncompatible configuration version:";
    message += "\nDevice: ";
    message += device;
    message += "\nConfigurator: ";
    message += kVersionLabel;
    message += "\n\nYou need to use Configurator ";
    message += device;
    message += " or write new configuration using \"Write config\" button.";
    ui.information(Message::fromLatin1(message));  // the device's version text is Latin-1
    return false;
}

}  // namespace

bool DecodeConfiguration(const ConfigImage& readImage, Settings& settings, UserInterface& ui) {
    using namespace layout;
    if (!versionMatches(readImage, ui)) return false;

    Decoder decode(readImage, settings);
    decode({kCallsign, kTxdelay, kQuiettime, kQuiettimeRandomize, kPtt, kSquelch, kBusydetect,
            kConsecutivePackets, kLatitude, kLongitude, kOutputLevel, kPositionReportMode});
    rules::positionReportModeChanged(settings);

    decode(kPositionReportInterval);
    for (const Field& f : kSmartBeaconing) decode(f);
    decode(kPositionReportEncoding);
    rules::positionEncodingChanged(settings);

    decode.miceMessage();
    decode({kPositionSymbolCode, kPositionSymbolTable, kPositionStatusText, kPositionTime});
    for (const Field& f : kPositionPaths) decode(f);
    decode({kPositionCoursespeed, kPositionAltitude, kPositionReportonfixlost, kPositionFixlostInterval,
            kDigion, kFloodtimeout});

    for (const AliasRecord& a : kAliases) decode({a.station, a.traceable, a.enable});
    for (const BeaconRecord& b : kBeacons)
        decode({b.destination, b.path1, b.path2, b.txrate, b.enable, b.message});

    decode({kTeledataDest, kTeledataPath1, kTeledataPath2, kTeledataTxrateRf, kTeleparamsDest,
            kTeleparamsPath1, kTeleparamsPath2, kTeleparamsTxrateRf, kTeletitle, kTeleEnable, kTeleHoldoff});
    for (const AnalogRecord& c : kAnalogChannels)
        decode({c.source, c.name, c.units, c.coefa, c.coefb, c.coefc, c.average});
    for (const DigitalRecord& c : kDigitalChannels) decode({c.source, c.name, c.units, c.inverted});
    for (const Field& f : kOrvaxeOutputs) decode(f);

    decode({kWeatherDest, kWeatherPath1, kWeatherPath2, kWeatherTxrate, kWeatherEnable, kWeatherPosition,
            kWeatherComment, kSerial1Mode, kSerial2Mode, kBluetoothName, kBluetoothPassword});
    for (const Field& f : kClosingChoices) decode(f);

    rules::runPortRules(settings, ui);
    return true;
}

}  // namespace zeru
