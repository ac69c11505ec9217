// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "interaction/visible_text.h"
#include "sim/device_simulator.h"
#include "sim/fault.h"
#include "sim/memory_file.h"
#include "sim/simulator_transport.h"

namespace zeru::sim {
namespace {

struct ParseCase {
    const char* text;
    std::optional<Fault> expected;
};

class ParseFault : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseFault, KindColonPage) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(parseFault(c.text), c.expected) << c.text;
    if (c.expected) {
        EXPECT_EQ(formatFault(*c.expected), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFault,
    ::testing::Values(ParseCase{"refuse:0", Fault{FaultKind::Refuse, FaultTarget::Page, 0}},
                      ParseCase{"bad-sum:40", Fault{FaultKind::BadSum, FaultTarget::Page, 40}},
                      ParseCase{"bad-echo:16", Fault{FaultKind::BadEcho, FaultTarget::Page, 16}},
                      ParseCase{"short:223", Fault{FaultKind::Short, FaultTarget::Page, 223}},
                      ParseCase{"silent:1407", Fault{FaultKind::Silent, FaultTarget::Page, 1407}},
                      ParseCase{"wrong-page:3", Fault{FaultKind::WrongPage, FaultTarget::Page, 3}},
                      ParseCase{"gone:65535", Fault{FaultKind::Gone, FaultTarget::Page, 65535}},
                      ParseCase{"bad-echo:hw", Fault{FaultKind::BadEcho, FaultTarget::HardwareVersion, 0}},
                      ParseCase{"silent:fw", Fault{FaultKind::Silent, FaultTarget::FirmwareVersion, 0}},
                      ParseCase{"refuse", std::nullopt}, ParseCase{"refuse:", std::nullopt},
                      ParseCase{"refuse:-1", std::nullopt}, ParseCase{"refuse:65536", std::nullopt},
                      ParseCase{"refuse:1x", std::nullopt}, ParseCase{"Refuse:1", std::nullopt},
                      ParseCase{"broken:1", std::nullopt}, ParseCase{":1", std::nullopt}));

HidReport pageWrite(std::uint8_t command, std::uint16_t page, std::uint8_t fill, int sumError = 0) {
    HidReport r{};
    r[0] = command;
    r[1] = static_cast<std::uint8_t>(page & 0xFF);
    r[2] = static_cast<std::uint8_t>(page >> 8);
    for (int i = 0; i < 32; ++i) r[3 + i] = fill;
    const int sum = fill * 32 + sumError;
    r[35] = static_cast<std::uint8_t>(sum & 0xFF);
    r[36] = static_cast<std::uint8_t>(sum >> 8);
    return r;
}

TEST(DeviceSimulator, StartsErasedAndAtVersion102) {
    DeviceState state;
    EXPECT_TRUE(
        std::all_of(state.memory.begin(), state.memory.end(), [](std::uint8_t b) { return b == 0xFF; }));
    HidReport request{};
    request[0] = 0xFB;
    const auto reply = respond(state, request);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->bytes[0], 0xFB);
    EXPECT_EQ(reply->bytes[1], 102);
    EXPECT_EQ(reply->bytes[2] | reply->bytes[3] | reply->bytes[4], 0);
}

TEST(DeviceSimulator, RefusesPagesItCannotTake) {
    struct Case {
        const char* name;
        HidReport request;
    };
    const Case cases[] = {
        {"WrongSum", pageWrite(0xFD, 3, 0x11, 1)},
        {"PageBeyondMemory", pageWrite(0xFD, 224, 0x11)},
        {"FirmwarePageOutOfOrder", pageWrite(0xFE, 1, 0x11)},
        {"FirmwarePageWrongSum", pageWrite(0xFE, 0, 0x11, -1)},
        {"UnknownCommand", pageWrite(0x42, 0, 0)},
    };
    for (const Case& c : cases) {
        DeviceState state;
        const auto reply = respond(state, c.request);
        ASSERT_TRUE(reply) << c.name;
        EXPECT_EQ(reply->bytes[0], 0x00) << c.name;
        EXPECT_EQ(state.memory, erasedMemory()) << c.name;
        EXPECT_TRUE(state.firmware.empty()) << c.name;
    }
}

TEST(DeviceSimulator, FirmwarePagesInOrderAndPageZeroStartsAgain) {
    DeviceState state;
    EXPECT_EQ(respond(state, pageWrite(0xFE, 0, 1))->bytes[0], 0xFE);
    EXPECT_EQ(respond(state, pageWrite(0xFE, 1, 2))->bytes[0], 0xFE);
    EXPECT_EQ(state.firmware.size(), 64u);
    EXPECT_EQ(state.firmware[32], 2);
    EXPECT_EQ(respond(state, pageWrite(0xFE, 0, 3))->bytes[0], 0xFE);
    EXPECT_EQ(state.firmware, std::vector<std::uint8_t>(32, 3));
}

TEST(DeviceSimulator, HardwareTextFillsTheReportWhenTooLongForAZeroByte) {
    DeviceState state;
    state.hardwareVersion = std::string(70, 'h');
    HidReport request{};
    request[0] = 0xFA;
    const auto reply = respond(state, request);
    ASSERT_TRUE(reply);
    EXPECT_TRUE(
        std::all_of(reply->bytes.begin() + 1, reply->bytes.end(), [](std::uint8_t b) { return b == 'h'; }));
}

TEST(DeviceSimulator, FaultsHitOnlyTheirTarget) {
    DeviceState state;
    state.fault = parseFault("refuse:5");
    EXPECT_EQ(respond(state, pageWrite(0xFD, 4, 9))->bytes[0], 0xFD);
    EXPECT_EQ(respond(state, pageWrite(0xFD, 5, 9))->bytes[0], 0x00);
    EXPECT_EQ(state.memory[5 * 32], 0xFF);  // a refused page is not stored
    HidReport version{};
    version[0] = 0xFB;
    EXPECT_EQ(respond(state, version)->bytes[0], 0xFB);

    state.fault = parseFault("silent:fw");
    EXPECT_FALSE(respond(state, version));
    EXPECT_EQ(respond(state, pageWrite(0xFD, 5, 9))->bytes[0], 0xFD);
}

TEST(SimulatorTransport, SilentDeviceExpiresTheLimitAndGoneDeviceVanishes) {
    DeviceState state;
    SimulatorTransport transport(state);
    ASSERT_EQ(transport.enumerate().size(), 1u);
    ASSERT_TRUE(transport.open(std::string(SimulatorTransport::kPath)));

    Report request{};
    request[1] = 0xFC;
    state.fault = parseFault("silent:0");
    Report reply;
    EXPECT_EQ(transport.write(request), 65);
    EXPECT_EQ(transport.read(reply, std::chrono::milliseconds(1000)), 0);

    state.fault = parseFault("short:0");
    EXPECT_EQ(transport.write(request), 65);
    EXPECT_EQ(transport.read(reply, std::chrono::milliseconds(1000)), 33);

    state.fault = parseFault("gone:0");
    EXPECT_EQ(transport.write(request), 65);
    EXPECT_EQ(transport.read(reply, std::chrono::milliseconds(1000)), -1);
    EXPECT_EQ(transport.write(request), -1);
    EXPECT_TRUE(transport.enumerate().empty());
    const Outcome opened = transport.open(std::string(SimulatorTransport::kPath));
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().text, "the device is no longer there");
}

TEST(MemoryFile, RoundTripAndRefusesAnotherSize) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string path = (dir / "zeru-sim-memory-test.bin").string();
    ConfigImage memory;
    for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<std::uint8_t>(i ^ (i >> 8));
    const Outcome written = writeMemoryFile(path, memory);
    ASSERT_TRUE(written) << written.failure().text;
    const Result<ConfigImage> read = readMemoryFile(path);
    ASSERT_TRUE(read) << read.failure().text;
    EXPECT_EQ(*read, memory);

    std::filesystem::resize_file(path, 7167);
    const Result<ConfigImage> cut = readMemoryFile(path);
    ASSERT_FALSE(cut);
    EXPECT_EQ(cut.failure().text, visibleText(path) + " holds 7167 bytes, not 7168");
    EXPECT_EQ(cut.failure().kind, FailureKind::ImageRefused);
    std::filesystem::remove(path);
    EXPECT_FALSE(readMemoryFile(path));
}

}  // namespace
}  // namespace zeru::sim
