// SPDX-License-Identifier: GPL-3.0-or-later
// Every page transfer (configuration write, configuration read, firmware
// upload, the backup read before a write or an upload) against every way the
// simulated device can fail a page (refused, wrong sum, wrong echo, short
// reply, no reply, device gone, a page acknowledged but not stored as sent),
// at the first page, the last page the configuration block covers, a middle
// page and the last page. Whatever happens, the flow ends with its error line,
// the buttons are enabled, the device is closed, a failed read leaves the
// settings alone, a failed backup read sends nothing, and no exchange waits
// longer than its time limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "backup/safety_net.h"
#include "device/device_flows.h"
#include "device/device_link.h"
#include "device/eeprom_transfer.h"
#include "image/codec.h"
#include "limit_recording_transport.h"
#include "settings/settings_model.h"
#include "sim/device_simulator.h"
#include "sim/simulator_transport.h"
#include "support/encoded_image.h"
#include "support/recording_ui.h"

namespace zeru::test {
namespace {

using sim::FaultKind;

enum class Transfer { WriteConfig, ReadConfig, UploadFirmware, BackupThenWrite, BackupThenUpload };
enum class Where { First, BlockEnd, Middle, Last };

// What the configurator makes of the fault: the page fails, or (where it does
// not look at what the fault spoils) the page counts as done; a written page
// that is not read back as sent fails the verification after the write.
enum class Outcome { PageFails, PageAccepted, VerifyFails };

// Whether the device carried out the faulty request before spoiling its reply.
enum class Device { StoredPage, DidNotStore };

struct Row {
    Transfer transfer;
    FaultKind fault;
    Outcome outcome;
    Device device;
};

// Write replies are judged by their command byte alone: a wrong page sum in
// an acknowledgement goes unnoticed, but the reading back of that page then
// gets the wrong sum too. Reads check the sum, so every fault fails them.
const Row kRows[] = {
    {Transfer::WriteConfig, FaultKind::Refuse, Outcome::PageFails, Device::DidNotStore},
    {Transfer::WriteConfig, FaultKind::BadSum, Outcome::VerifyFails, Device::StoredPage},
    {Transfer::WriteConfig, FaultKind::Drop, Outcome::VerifyFails, Device::DidNotStore},
    {Transfer::WriteConfig, FaultKind::Flip, Outcome::VerifyFails, Device::DidNotStore},
    {Transfer::WriteConfig, FaultKind::BadEcho, Outcome::PageFails, Device::StoredPage},
    {Transfer::WriteConfig, FaultKind::Short, Outcome::PageFails, Device::StoredPage},
    {Transfer::WriteConfig, FaultKind::Silent, Outcome::PageFails, Device::StoredPage},
    {Transfer::WriteConfig, FaultKind::Gone, Outcome::PageFails, Device::DidNotStore},
    {Transfer::ReadConfig, FaultKind::Refuse, Outcome::PageFails, Device::DidNotStore},
    {Transfer::ReadConfig, FaultKind::BadSum, Outcome::PageFails, Device::DidNotStore},
    {Transfer::ReadConfig, FaultKind::BadEcho, Outcome::PageFails, Device::DidNotStore},
    {Transfer::ReadConfig, FaultKind::Short, Outcome::PageFails, Device::DidNotStore},
    {Transfer::ReadConfig, FaultKind::Silent, Outcome::PageFails, Device::DidNotStore},
    {Transfer::ReadConfig, FaultKind::Gone, Outcome::PageFails, Device::DidNotStore},
    {Transfer::UploadFirmware, FaultKind::Refuse, Outcome::PageFails, Device::DidNotStore},
    {Transfer::UploadFirmware, FaultKind::BadSum, Outcome::PageAccepted, Device::StoredPage},
    {Transfer::UploadFirmware, FaultKind::BadEcho, Outcome::PageFails, Device::StoredPage},
    {Transfer::UploadFirmware, FaultKind::Short, Outcome::PageFails, Device::StoredPage},
    {Transfer::UploadFirmware, FaultKind::Silent, Outcome::PageFails, Device::StoredPage},
    {Transfer::UploadFirmware, FaultKind::Gone, Outcome::PageFails, Device::DidNotStore},
    // The backup read meets the fault first: a write then sends nothing, an
    // upload goes on (and meets the fault again at its own page).
    {Transfer::BackupThenWrite, FaultKind::Refuse, Outcome::PageFails, Device::DidNotStore},
    {Transfer::BackupThenWrite, FaultKind::BadSum, Outcome::PageFails, Device::DidNotStore},
    {Transfer::BackupThenWrite, FaultKind::Silent, Outcome::PageFails, Device::DidNotStore},
    {Transfer::BackupThenWrite, FaultKind::Gone, Outcome::PageFails, Device::DidNotStore},
    {Transfer::BackupThenUpload, FaultKind::Refuse, Outcome::PageFails, Device::DidNotStore},
    {Transfer::BackupThenUpload, FaultKind::BadSum, Outcome::PageAccepted, Device::StoredPage},
    {Transfer::BackupThenUpload, FaultKind::Gone, Outcome::PageFails, Device::DidNotStore},
};

// A firmware image of 100 pages, the last one partly filled.
constexpr std::size_t kFirmwarePages = 100;
const std::vector<std::uint8_t>& firmwareImage() {
    static const std::vector<std::uint8_t> image = [] {
        std::vector<std::uint8_t> bytes(kFirmwarePages * kPageSize - 7);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + 1);
        return bytes;
    }();
    return image;
}

// The pages the configuration block covers: 0..40.
constexpr std::size_t kLastBlockPage = (kConfigBlockSize - 1) / kPageSize;

std::size_t pageAt(Where where, std::size_t pageCount) {
    switch (where) {
        case Where::First:
            return 0;
        case Where::BlockEnd:
            return kLastBlockPage;
        case Where::Middle:
            return pageCount / 2;
        case Where::Last:
            return pageCount - 1;
    }
    return 0;
}

std::vector<std::string> pageLines(const std::string& prefix, std::size_t upTo, std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t n = 1; n <= upTo; ++n)
        lines.push_back(prefix + std::to_string(n) + "/" + std::to_string(count));
    return lines;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

const std::string kFound(kFoundLine);
const std::string kNotFound(kNotFoundLine);

// Start-up settings with a few changes, so that a read that changes them shows.
SettingsModel sessionSettings() {
    SettingsModel s;
    s.setText(SettingId::Callsign, "OK1ZRU");
    s.setText(SettingId::Txdelay, "300");
    s.setIndex(SettingId::Ptt, 1);
    return s;
}

// The settings the device holds, different from the session's.
SettingsModel deviceSettings() {
    SettingsModel s;
    s.setText(SettingId::Callsign, "DL2ABC");
    s.setText(SettingId::Ssid, "7");
    s.setText(SettingId::Quiettime, "1200");
    return s;
}

// What a complete read of `image` puts into the settings.
SettingsModel decoded(ConfigImage image) {
    SettingsModel s;
    RecordingUi quiet;
    EXPECT_TRUE(DecodeConfiguration(image, s, quiet));
    return s;
}

bool pagesEqual(const std::uint8_t* a, const std::uint8_t* b, std::size_t pages) {
    return std::equal(a, a + pages * kPageSize, b);
}

// Keeps backups in memory.
struct KeptBackups final : backup::BackupStore {
    Result<std::string> keep(const ConfigImage& memory, const Settings*) override {
        kept.push_back(memory);
        return "kept";
    }
    std::vector<ConfigImage> kept;
};

bool withBackup(Transfer t) { return t == Transfer::BackupThenWrite || t == Transfer::BackupThenUpload; }

class FaultMatrix : public ::testing::TestWithParam<std::tuple<Row, Where>> {
protected:
    sim::DeviceState device;
    sim::SimulatorTransport simulator{device};
    LimitRecordingTransport transport{simulator};
    RecordingUi ui;
    SettingsModel settings = sessionSettings();
    const SettingsModel before = sessionSettings();
    ConfigImages images;
    KeptBackups backups;
    backup::SafetyNet safety{backups};
    DeviceFlows flows{settings,
                      ui,
                      images,
                      transport,
                      [](int) { return std::optional<std::span<const std::uint8_t>>(firmwareImage()); },
                      withBackup(std::get<0>(GetParam()).transfer) ? &safety : nullptr};
};

TEST_P(FaultMatrix, FlowEndsCleanly) {
    const auto& [row, where] = GetParam();
    const bool upload =
        row.transfer == Transfer::UploadFirmware || row.transfer == Transfer::BackupThenUpload;
    const std::size_t pageCount = upload ? kFirmwarePages : kPageCount;
    const std::size_t page = pageAt(where, pageCount);
    // The device holds another configuration, and 0xFF (erased) past it, so
    // that a page it does not store differs from the page sent.
    ConfigImage stored = encodeOrFail(deviceSettings(), 0x2BAD);
    std::fill(stored.begin() + kConfigBlockSize, stored.end(), std::uint8_t{0xFF});
    device.memory = stored;
    device.fault = sim::Fault{row.fault, sim::FaultTarget::Page, static_cast<int>(page)};
    const bool fails = row.outcome == Outcome::PageFails;
    const bool gone = row.fault == FaultKind::Gone;
    const std::string failingPage = std::to_string(page + 1) + "/224";

    std::vector<std::string> expected{kFound};
    if (withBackup(row.transfer)) {
        append(expected, pageLines("Page read: ", page, kPageCount));
        expected.push_back("Page read error: " + failingPage);
    }
    switch (row.transfer) {
        case Transfer::BackupThenWrite: {
            EXPECT_FALSE(flows.writeConfig());
            expected.push_back("Backup read error: page " + failingPage + ". Nothing was written.");
            EXPECT_EQ(device.memory, stored);
            EXPECT_TRUE(backups.kept.empty());
            EXPECT_EQ(settings, before);
            break;
        }
        case Transfer::WriteConfig: {
            EXPECT_FALSE(flows.writeConfig());
            if (fails) {
                append(expected, pageLines("Page written: ", page, pageCount));
                expected.push_back("Page write error: " + failingPage);
                // A first page refused, or lost with the device, changed nothing;
                // one left without a whole reply may have been stored.
                const bool mayHaveStored = row.fault == FaultKind::Silent || row.fault == FaultKind::Short;
                if ((page > 0 || mayHaveStored) && page < kConfigBlockPages)
                    expected.push_back(std::string(kIncompleteConfigurationLine));
            } else {
                append(expected, pageLines("Page written: ", pageCount, pageCount));
                expected.push_back("Eeprom write success");
                append(expected, pageLines("Page verified: ", page, pageCount));
                expected.push_back("Eeprom verify error: page " + failingPage);
            }
            // The pages before the failing one reached the device; none after
            // it when the write stopped there.
            const std::size_t storedPages = page + (row.device == Device::StoredPage ? 1 : 0);
            const std::size_t through = fails ? storedPages : pageCount;
            if (!fails) {
                const bool pageAsSent = pagesEqual(device.memory.data() + page * kPageSize,
                                                   images.writeImage.data() + page * kPageSize, 1);
                EXPECT_EQ(pageAsSent, row.device == Device::StoredPage);
                EXPECT_EQ(settings, before);
                break;
            }
            EXPECT_TRUE(pagesEqual(device.memory.data(), images.writeImage.data(), through));
            EXPECT_TRUE(pagesEqual(device.memory.data() + through * kPageSize,
                                   stored.data() + through * kPageSize, pageCount - through));
            EXPECT_EQ(settings, before);
            break;
        }
        case Transfer::ReadConfig: {
            ASSERT_TRUE(fails);
            // Only the configuration block matters: a failed page after it
            // leaves zeros where nothing is read, and the read still succeeds.
            const bool blockComplete = page > kLastBlockPage;
            EXPECT_EQ(flows.readConfig().settingsRead, blockComplete);
            append(expected, pageLines("Page read: ", page, pageCount));
            expected.push_back("Page read error: " + std::to_string(page + 1) + "/224");
            if (blockComplete) {
                expected.push_back("Eeprom read success.");
                if (gone) {  // the version display's search
                    expected.insert(expected.end(), {kNotFound, notFoundAdviceLine()});
                } else {
                    expected.push_back(kFound);
                }
                EXPECT_EQ(settings, decoded(stored));
                EXPECT_EQ(ui.boxes().size(), gone ? 0u : 1u);
            } else {
                expected.push_back("Eeprom checksum error. Please reload configuration.");
                EXPECT_EQ(settings, before);
                EXPECT_TRUE(ui.boxes().empty());
            }
            EXPECT_EQ(device.memory, stored);
            break;
        }
        case Transfer::BackupThenUpload:
            expected.push_back("Backup read error: page " + failingPage + ".");
            if (gone) {  // nothing left to upload to
                expected.push_back("Page write error: 1/" + std::to_string(pageCount));
                EXPECT_FALSE(flows.uploadFirmware());
                EXPECT_TRUE(device.firmware.empty());
                break;
            }
            [[fallthrough]];
        case Transfer::UploadFirmware: {
            EXPECT_EQ(flows.uploadFirmware().ok(), !fails);
            const std::string count = std::to_string(pageCount);
            if (fails) {
                append(expected, pageLines("Page written: ", page, pageCount));
                expected.push_back("Page write error: " + std::to_string(page + 1) + "/" + count);
            } else {
                append(expected, pageLines("Page written: ", pageCount, pageCount));
                expected.push_back("Firmware upgrade success");
            }
            const std::size_t storedPages =
                fails ? page + (row.device == Device::StoredPage ? 1 : 0) : pageCount;
            ASSERT_EQ(device.firmware.size(), storedPages * kPageSize);
            EXPECT_TRUE(
                std::equal(device.firmware.begin(), device.firmware.end(), flows.firmwareBuffer().begin()));
            EXPECT_EQ(settings, before);
            break;
        }
    }

    EXPECT_EQ(ui.logLines(), expected);
    // The upload alone disables the buttons, and enables them again.
    EXPECT_FALSE(ui.busy);
    EXPECT_EQ(ui.texts(RecordingUi::Event::Busy).size(), upload ? 1u : 0u);
    EXPECT_FALSE(simulator.isOpen());
    EXPECT_EQ(device.present, !gone);
    // Every reply is awaited for its limit at most (a firmware page's is the
    // longer one), and a reply that does not come ends the transfer: at most
    // one limit runs out.
    for (std::size_t i = 0; i < transport.limits.size(); ++i)
        EXPECT_EQ(transport.limits[i], transport.commands[i] == kFirmwarePageWriteCommand
                                           ? DeviceLink::kFirmwarePageTimeLimit
                                           : DeviceLink::kReplyTimeLimit);
    EXPECT_EQ(std::count(transport.commands.begin(), transport.commands.end(), kFirmwarePageWriteCommand) > 0,
              upload && !(gone && withBackup(row.transfer)));
    EXPECT_EQ(transport.expired, row.fault == FaultKind::Silent ? 1 : 0);
}

std::string rowName(const ::testing::TestParamInfo<std::tuple<Row, Where>>& info) {
    const auto& [row, where] = info.param;
    const char* transfers[] = {"Write", "Read", "Upload", "BackupWrite", "BackupUpload"};
    const char* places[] = {"FirstPage", "BlockEndPage", "MiddlePage", "LastPage"};
    std::string fault(sim::faultKindName(row.fault));
    fault.erase(std::remove(fault.begin(), fault.end(), '-'), fault.end());
    return std::string(transfers[static_cast<int>(row.transfer)]) + "_" + fault + "_" +
           places[static_cast<int>(where)];
}

INSTANTIATE_TEST_SUITE_P(AllTransfers, FaultMatrix,
                         ::testing::Combine(::testing::ValuesIn(kRows),
                                            ::testing::Values(Where::First, Where::BlockEnd, Where::Middle,
                                                              Where::Last)),
                         rowName);

}  // namespace
}  // namespace zeru::test
