// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary replies from a misbehaving device: the reply handling of every
// request (firmware and hardware version, page read, page write, firmware page
// write) and the whole read, write and upload flows must take any reply
// without crashing, report no failure as success, leave the device closed and
// the buttons enabled, and change no setting after a failed read. With the
// backup before writes and uploads, a write whose backup fails sends nothing.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "backup/safety_net.h"
#include "byte_stream.h"
#include "device/device_flows.h"
#include "device/device_link.h"
#include "device/page_requests.h"
#include "device/version_requests.h"
#include "fuzz_check.h"
#include "fuzzed_reply_transport.h"
#include "image/codec.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace {

using zeru::ConfigImage;
using zeru::DeviceLink;
using zeru::Report;
using zeru::SettingsModel;
using zeru::fuzz::ByteStream;
using zeru::fuzz::FuzzedReplyTransport;
using zeru::test::RecordingUi;

// A valid image of the start-up settings, as a device would hold it.
const ConfigImage& storedImage() {
    static const ConfigImage image = [] {
        ConfigImage i{};
        SettingsModel defaults;
        RecordingUi quiet;
        ZERU_FUZZ_CHECK(zeru::EncodeConfiguration(defaults, quiet, i, 0x1234));
        return i;
    }();
    return image;
}

// A small firmware image of eight pages, the last one partly filled.
const std::vector<std::uint8_t>& firmwareImage() {
    static const std::vector<std::uint8_t> image = [] {
        std::vector<std::uint8_t> bytes(7 * zeru::kPageSize + 5);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
        return bytes;
    }();
    return image;
}

zeru::FirmwareSource firmwareSource() {
    return [](int) { return std::optional<std::span<const std::uint8_t>>(firmwareImage()); };
}

bool logged(const RecordingUi& ui, std::string_view line) {
    const auto lines = ui.logLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool loggedStart(const RecordingUi& ui, std::string_view start) {
    const auto lines = ui.logLines();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.starts_with(start); });
}

// Keeps backups in memory, or refuses them as a full disk would.
class MemoryStore final : public zeru::backup::BackupStore {
public:
    explicit MemoryStore(bool refuse) : refuse_(refuse) {}
    zeru::Result<std::string> keep(const ConfigImage& memory, const zeru::Settings*) override {
        ZERU_FUZZ_CHECK(zeru::VerifyImage(memory));  // a memory that fails its checks is no backup
        if (refuse_) return zeru::Failure::of(zeru::FailureKind::ImageRefused, "No space left on device");
        return "backup.cfg";
    }

private:
    bool refuse_;
};

// The backup before writes and uploads, when the input's first byte asks for it.
struct Safety {
    explicit Safety(std::uint8_t which) : store((which & 0x10) != 0), net(store), on((which & 0x08) != 0) {}
    zeru::WriteSafety* get() { return on ? &net : nullptr; }
    MemoryStore store;
    zeru::backup::SafetyNet net;
    bool on;
};

struct Bench {
    explicit Bench(ByteStream& input) : transport(device, input) { device.memory = storedImage(); }
    zeru::sim::DeviceState device;
    FuzzedReplyTransport transport;
    RecordingUi ui;
};

void firmwareVersion(Bench& b) {
    DeviceLink link(b.transport, b.ui);
    ZERU_FUZZ_CHECK(link.FindDevice());
    const auto version = zeru::GetFirmwareVersion(link);
    if (version) {
        ZERU_FUZZ_CHECK(b.transport.lastReply()[zeru::kCommandOffset] == zeru::kFirmwareVersionCommand);
        ZERU_FUZZ_CHECK(*version == zeru::getLe32(b.transport.lastReply(), zeru::kVersionOffset));
    }
}

void hardwareVersion(Bench& b) {
    DeviceLink link(b.transport, b.ui);
    ZERU_FUZZ_CHECK(link.FindDevice());
    const auto text = zeru::GetHardwareVersion(link);
    if (text) {
        ZERU_FUZZ_CHECK(b.transport.lastReply()[zeru::kCommandOffset] == zeru::kHardwareVersionCommand);
        ZERU_FUZZ_CHECK(text->size() <= zeru::kReportSize - zeru::kVersionOffset);
        ZERU_FUZZ_CHECK(text->find('\0') == std::string::npos);
    }
}

void pageRead(Bench& b, ByteStream& input) {
    DeviceLink link(b.transport, b.ui);
    ZERU_FUZZ_CHECK(link.FindDevice());
    const std::uint16_t page = input.le16() % 256;  // out-of-range pages too
    std::array<std::uint8_t, zeru::kPageSize> destination;
    destination.fill(0xA5);
    const auto untouched = destination;
    if (!zeru::ReadEepromPage(link, destination, page)) {
        ZERU_FUZZ_CHECK(destination == untouched);
        return;
    }
    const Report& reply = b.transport.lastReply();
    ZERU_FUZZ_CHECK(reply[zeru::kCommandOffset] == zeru::kPageReadCommand);
    ZERU_FUZZ_CHECK(
        std::equal(destination.begin(), destination.end(), reply.begin() + zeru::kPageDataOffset));
    ZERU_FUZZ_CHECK(zeru::pageSum(destination) == zeru::getLe16(reply, zeru::kPageSumOffset));
}

void pageWrite(Bench& b, ByteStream& input, bool firmware) {
    DeviceLink link(b.transport, b.ui);
    ZERU_FUZZ_CHECK(link.FindDevice());
    const std::uint16_t page = input.le16() % 256;
    std::array<std::uint8_t, zeru::kPageSize> bytes;
    input.fill(bytes);
    const bool accepted =
        firmware ? zeru::WriteFirmwarePage(link, bytes, page) : zeru::WriteEepromPage(link, bytes, page);
    if (accepted)
        ZERU_FUZZ_CHECK(b.transport.lastReply()[zeru::kCommandOffset] ==
                        (firmware ? zeru::kFirmwarePageWriteCommand : zeru::kPageWriteCommand));
}

SettingsModel changedSettings() {
    SettingsModel s;
    s.setText(zeru::SettingId::Callsign, "OK1ZRU");
    s.setText(zeru::SettingId::Txdelay, "300");
    return s;
}

void readFlow(Bench& b) {
    SettingsModel settings = changedSettings();
    const SettingsModel before = changedSettings();
    zeru::ConfigImages images;
    zeru::DeviceFlows flows(settings, b.ui, images, b.transport, firmwareSource());
    const bool read = flows.readConfig().settingsRead;
    ZERU_FUZZ_CHECK(read == logged(b.ui, "Eeprom read success."));
    if (!read) ZERU_FUZZ_CHECK(settings == before);
}

void writeFlow(Bench& b, Safety& safety) {
    SettingsModel settings = changedSettings();
    zeru::ConfigImages images;
    zeru::DeviceFlows flows(settings, b.ui, images, b.transport, firmwareSource(), safety.get());
    const bool written = flows.writeConfig().ok();
    // Acknowledged pages are read back; only a write that reads back whole counts.
    ZERU_FUZZ_CHECK(written == logged(b.ui, "Eeprom verify success"));
    if (safety.on && (loggedStart(b.ui, "Backup read error") || loggedStart(b.ui, "Backup not saved"))) {
        // Without a backup nothing is sent.
        ZERU_FUZZ_CHECK(!written && b.device.memory == storedImage());
        ZERU_FUZZ_CHECK(!loggedStart(b.ui, "Eeprom write"));
    }
    if (!written) return;
    ZERU_FUZZ_CHECK(logged(b.ui, "Eeprom write success"));
    if (safety.on)
        ZERU_FUZZ_CHECK(loggedStart(b.ui, "Backup saved: ") ||
                        logged(b.ui, "No backup: the device holds no valid configuration."));
    // The device stores every page it is sent, whatever its reply says.
    ZERU_FUZZ_CHECK(b.device.memory == images.writeImage);
}

void uploadFlow(Bench& b, Safety& safety) {
    SettingsModel settings;
    zeru::ConfigImages images;
    zeru::DeviceFlows flows(settings, b.ui, images, b.transport, firmwareSource(), safety.get());
    const bool uploaded = flows.uploadFirmware().ok();
    ZERU_FUZZ_CHECK(uploaded == logged(b.ui, "Firmware upgrade success"));
    if (uploaded) {
        std::vector<std::uint8_t> padded = firmwareImage();
        padded.resize(b.device.firmware.size(), 0);
        ZERU_FUZZ_CHECK(b.device.firmware.size() == 8 * zeru::kPageSize);
        ZERU_FUZZ_CHECK(b.device.firmware == padded);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteStream input(data, size);
    const std::uint8_t which = input.byte();
    Bench b(input);
    Safety safety(which);
    switch (which % 8) {
        case 0:
            firmwareVersion(b);
            break;
        case 1:
            hardwareVersion(b);
            break;
        case 2:
            pageRead(b, input);
            break;
        case 3:
            pageWrite(b, input, false);
            break;
        case 4:
            pageWrite(b, input, true);
            break;
        case 5:
            readFlow(b);
            break;
        case 6:
            writeFlow(b, safety);
            break;
        case 7:
            uploadFlow(b, safety);
            break;
    }
    // However it ended, the device is closed and the buttons are enabled.
    ZERU_FUZZ_CHECK(!b.transport.isOpen());
    ZERU_FUZZ_CHECK(!b.ui.busy);
    return 0;
}
