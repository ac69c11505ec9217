// SPDX-License-Identifier: GPL-3.0-or-later
// Sets every setting from its field of the read image, in the device's order,
// and lets the form rules follow as they would after a user's change.
#include <algorithm>
#include <array>
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
            case Encoding::ChoiceFromTop:
                settings_.setIndex(f.setting, layout::kMiceMessageTop - image_[f.offset]);
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

private:
    void setNumber(const Field& f, std::uint32_t value) {
        settings_.setText(f.setting, std::to_string(value));
    }

    const ConfigImage& image_;
    Settings& settings_;
};

// The device's order of decoding: every field once.
// clang-format off
constexpr auto kDecodeOrder = [] {
    using namespace layout;
    return join(
        std::array{kCallsign, kTxdelay, kQuiettime, kQuiettimeRandomize, kPtt, kSquelch, kBusydetect,
                   kConsecutivePackets, kLatitude, kLongitude, kOutputLevel, kPositionReportMode,
                   kPositionReportInterval},
        kSmartBeaconing,
        std::array{kPositionReportEncoding, kMiceMessage, kPositionSymbolCode, kPositionSymbolTable,
                   kPositionStatusText, kPositionTime},
        kPositionPaths,
        std::array{kPositionCoursespeed, kPositionAltitude, kPositionReportonfixlost, kPositionFixlostInterval,
                   kDigion, kFloodtimeout},
        recordFields(kAliases), recordFields(kBeacons),
        std::array{kTeledataDest, kTeledataPath1, kTeledataPath2, kTeledataTxrateRf, kTeleparamsDest,
                   kTeleparamsPath1, kTeleparamsPath2, kTeleparamsTxrateRf, kTeletitle, kTeleEnable, kTeleHoldoff},
        recordFields(kAnalogChannels), recordFields(kDigitalChannels), kOrvaxeOutputs,
        std::array{kWeatherDest, kWeatherPath1, kWeatherPath2, kWeatherTxrate, kWeatherEnable, kWeatherPosition,
                   kWeatherComment, kSerial1Mode, kSerial2Mode, kBluetoothName, kBluetoothPassword},
        kClosingChoices);
}();
// clang-format on
static_assert(layout::holdsEveryFieldOnce(kDecodeOrder), "the decoding reads every field once");

// Done when the image's configuration version is this program's; else its
// refusal, shown.
Outcome versionMatches(const ConfigImage& image, UserInterface& ui) {
    const auto stored = image.begin() + kConfigVersionOffset;
    if (std::equal(kVersionLabel.begin(), kVersionLabel.end(), stored)) return {};
    const std::string device = getChars(image, kConfigVersionOffset, kVersionShownChars);
    std::string message = "Uncompatible configuration version:";
    message += "\nDevice: ";
    message += device;
    message += "\nConfigurator: ";
    message += kVersionLabel;
    message += "\n\nYou need to use Configurator ";
    message += device;
    message += " or write new configuration using \"Write config\" button.";
    const Message refusal = Message::fromLatin1(message);  // the device's version text is Latin-1
    ui.information(refusal);
    return Failure::of(FailureKind::ImageRefused, refusal.utf8());
}

}  // namespace

Outcome DecodeConfiguration(const ConfigImage& readImage, Settings& settings, UserInterface& ui,
                            PortRoles roles) {
    if (Outcome version = versionMatches(readImage, ui); !version) return version;

    Decoder decode(readImage, settings);
    for (const Field& f : kDecodeOrder) {
        decode(f);
        // The position rules follow their setting before the settings they govern are read.
        if (f == layout::kPositionReportMode) rules::positionReportModeChanged(settings);
        if (f == layout::kPositionReportEncoding) rules::positionEncodingChanged(settings);
    }
    if (roles == PortRoles::Settle) rules::runPortRules(settings, ui);
    return {};
}

}  // namespace zeru
