// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of zeru-sim that work without a kernel: what the device makes of
// an output report, its report descriptor and its command line.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <numeric>
#include <vector>

#include "device/report.h"
#include "device/usb_descriptors.h"
#include "sim/uhid/output_framing.h"
#include "sim/uhid/sim_options.h"
#include "sim/uhid/uhid_device.h"

namespace zeru::uhid {
namespace {

std::vector<std::uint8_t> countingBytes(std::size_t size, std::uint8_t first) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(OutputFraming, StripsReportNumberZeroOfAWholeWrite) {
    auto written = countingBytes(65, 0);  // 0 (report number), 1, 2, ... 64
    const auto report = reportFromOutput(written);
    ASSERT_TRUE(report);
    EXPECT_EQ((*report)[0], 1);  // the command byte, buffer byte 1
    EXPECT_EQ((*report)[63], 64);
}

TEST(OutputFraming, RefusesWritesThatAreNotOneNumberedReport) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Case> cases = {
        {"no report number", countingBytes(64, 1)},
        {"report number 1, which the device does not declare", countingBytes(65, 1)},
        {"one byte too many", countingBytes(66, 0)},
        {"nothing", {}},
    };
    for (const auto& c : cases) EXPECT_FALSE(reportFromOutput(c.bytes)) << c.what;
}

TEST(OutputFraming, KeepingTheNumberShiftsEveryByte) {
    const auto report = reportKeepingNumber(countingBytes(65, 0));
    ASSERT_TRUE(report);
    EXPECT_EQ((*report)[0], 0);
    EXPECT_EQ((*report)[1], 1);
}

// Walks the short items of the descriptor: tag byte (with size bits) → data.
std::multimap<std::uint8_t, unsigned> descriptorItems() {
    std::multimap<std::uint8_t, unsigned> items;
    for (std::size_t i = 0; i < kReportDescriptor.size();) {
        const std::uint8_t prefix = kReportDescriptor[i];
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        unsigned data = 0;
        for (std::size_t b = 0; b < size; ++b) data |= unsigned{kReportDescriptor[i + 1 + b]} << (8 * b);
        items.emplace(static_cast<std::uint8_t>(prefix & 0xFC), data);
        i += 1 + size;
    }
    return items;
}

TEST(ReportDescriptor, OneUnnumberedReportOf64BytesEachWay) {
    const auto items = descriptorItems();
    EXPECT_EQ(items.count(0x84), 0u) << "a Report ID item would make hidapi deliver a report number";
    EXPECT_EQ(items.count(0x80), 1u);                                                           // Input
    EXPECT_EQ(items.count(0x90), 1u);                                                           // Output
    for (auto [it, end] = items.equal_range(0x74); it != end; ++it) EXPECT_EQ(it->second, 8u);  // Report Size
    for (auto [it, end] = items.equal_range(0x94); it != end; ++it)
        EXPECT_EQ(it->second, 64u);                // Report Count
    EXPECT_EQ(items.find(0x04)->second, 0xFF00u);  // vendor-defined usage page
}

TEST(UhidDevice, TellsHowToLoadTheModuleWhenTheNodeIsMissing) {
    const DeviceIdentity identity{"test", kZeruVendorId, kZeruProductId, 1, kReportDescriptor};
    const auto created = UhidDevice::create("/nonexistent/uhid", identity);
    ASSERT_FALSE(created);
    const std::string& error = created.failure().text;
    EXPECT_NE(error.find("/nonexistent/uhid does not exist"), std::string::npos) << error;
    EXPECT_NE(error.find("modprobe uhid"), std::string::npos) << error;
}

TEST(SimOptions, ReadsEveryOption) {
    const auto o = parseSimOptions({"--state=mem.bin", "--sim-version=101", "--sim-fault=bad-sum:16",
                                    "--verbose", "--uhid=/tmp/uhid", "--break-usb=ids", "--serial", "B-2"})
                       .value();
    EXPECT_EQ(o.stateFile, "mem.bin");
    EXPECT_EQ(o.firmwareVersion, 101u);
    ASSERT_TRUE(o.fault);
    EXPECT_EQ(o.fault->kind, sim::FaultKind::BadSum);
    EXPECT_EQ(o.fault->page, 16);
    EXPECT_TRUE(o.verbose);
    EXPECT_EQ(o.uhidPath, "/tmp/uhid");
    EXPECT_EQ(o.breakage, UsbBreakage::OtherProduct);
    EXPECT_EQ(o.serialNumber, "B-2");
    EXPECT_EQ(parseSimOptions({"--serial="}).value().serialNumber, "");
}

TEST(SimOptions, DefaultsAndZeruCliSpelling) {
    const auto defaults = parseSimOptions({}).value();
    EXPECT_FALSE(defaults.stateFile);
    EXPECT_EQ(defaults.firmwareVersion, 102u);
    EXPECT_FALSE(defaults.fault);
    EXPECT_EQ(defaults.uhidPath, "/dev/uhid");
    EXPECT_EQ(defaults.breakage, UsbBreakage::None);
    EXPECT_EQ(parseSimOptions({"--simulate=x.bin"}).value().stateFile, "x.bin");
    EXPECT_FALSE(defaults.traceFile);
    EXPECT_EQ(parseSimOptions({"--trace=t.pcapng"}).value().traceFile, "t.pcapng");
}

TEST(SimOptions, RefusesWhatItCannotUse) {
    const std::vector<std::vector<std::string>> bad = {
        {"--sim-version=1.02"}, {"--sim-version=-1"},   {"--sim-version="},
        {"--sim-fault=melt:3"}, {"--sim-fault=refuse"}, {"--state="},
        {"--trace="},           {"--break-usb=cable"},  {"--frobnicate"},
        {"state.bin"},          {"--serial"},           {"--serial=" + std::string(64, 'S')},
    };
    for (const auto& args : bad) {
        const auto parsed = parseSimOptions(args);
        ASSERT_FALSE(parsed) << args[0];
        EXPECT_EQ(parsed.failure().kind, FailureKind::Usage) << args[0];
    }
}

}  // namespace
}  // namespace zeru::uhid
