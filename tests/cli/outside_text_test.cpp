// SPDX-License-Identifier: GPL-3.0-or-later
// Text from outside (file names, device paths and serial numbers, a trace's
// fields and log lines, values from a file) never reaches the terminal raw:
// every command that shows it writes each hostile character as a visible
// escape, and no control byte of it is left on standard output or error.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli_process.h"
#include "device/usb_descriptors.h"
#include "trace/pcapng_writer.h"

namespace zeru::test {
namespace {

struct Sample {
    const char* name;
    std::string raw;
    std::string shown;     // how it must read
    bool inNames = false;  // whether every system takes it in a file name
};

const Sample kSamples[] = {
    {"Esc", "\x1b[31m", "\\x1B[31m"},
    {"CarriageReturn", "\rFAKE LINE: Eeprom verify success", "\\rFAKE LINE: Eeprom verify success"},
    {"Bell", "\x07", "\\x07"},
    {"RightToLeftOverride", "\xE2\x80\xAE", "\\u202E", true},
    {"ZeroWidthSpace", "\xE2\x80\x8B", "\\u200B", true},
    {"InvalidUtf8", "\xFF\xC3", "\\xFF\\xC3"},
    {"TypedEscape", "\\x1B", "\\\\x1B"},  // a backslash typed, not an ESC
};

// Bytes no terminal may get from outside text: C0 controls but the line
// feed and the list's tab, DEL, C1 controls, bytes that are no UTF-8, and the
// characters that reorder or hide text.
std::string firstRawControl(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char c = byte(i);
        const std::size_t length = c < 0x80                 ? 1
                                   : c >= 0xC2 && c <= 0xDF ? 2
                                   : c >= 0xE0 && c <= 0xEF ? 3
                                   : c >= 0xF0 && c <= 0xF4 ? 4
                                                            : 0;
        bool bad = length == 0 || i + length > text.size() || (c < 0x20 && c != '\n' && c != '\t') ||
                   c == 0x7F || (c == 0xC2 && byte(i + 1) < 0xA0);
        for (std::size_t k = 1; !bad && k < length; ++k) bad = (byte(i + k) & 0xC0) != 0x80;
        if (bad) return text.substr(i);
        i += length;
    }
    for (const char* hidden : {"\xE2\x80\xAE", "\xE2\x80\x8B"})
        if (const auto at = text.find(hidden); at != std::string::npos) return text.substr(at);
    return {};
}

// A trace whose one enumeration finds a device with this path and serial number.
std::string replayOfDevice(const std::string& path, const std::string& serial) {
    trace::Trace t;
    trace::Step found;
    found.kind = trace::StepKind::Enumerate;
    found.devices = {{kZeruVendorId, kZeruProductId, path, serial}};
    t.steps.push_back(found);
    return trace::encodePcapng(t);
}

struct Command {
    const char* name;
    bool fileName;  // `h` lands in a file's name
    // Makes what the command needs with `h` inside, and gives its arguments.
    std::function<std::vector<std::string>(const std::string& h, ScratchFolder& folder)> place;
};

const Command kCommands[] = {
    {"CheckOfAMissingFile", true,
     [](const std::string& h, ScratchFolder&) -> std::vector<std::string> {
         return {"check", "A" + h + ".cfg"};
     }},
    {"VerifiedImage", true,
     [](const std::string& h, ScratchFolder& folder) -> std::vector<std::string> {
         writeFile(folder.file("A" + h + ".bin"), readFile(folder.file("good.bin")));
         return {"verify", "A" + h + ".bin"};
     }},
    {"OutputIntoAMissingFolder", true,
     [](const std::string& h, ScratchFolder&) -> std::vector<std::string> {
         return {"encode", "base.cfg", "-o", "N" + h + "/out.bin"};
     }},
    {"OptionTakenForAFile", false,
     [](const std::string& h, ScratchFolder&) -> std::vector<std::string> {
         return {"--trace=-x" + h, "info"};
     }},
    {"DeviceNotFound", false,
     [](const std::string& h, ScratchFolder&) -> std::vector<std::string> {
         return {"--simulate=s.bin", "info", "--device=D" + h};
     }},
    {"TraceCommandLineAndLog", false,
     [](const std::string& h, ScratchFolder& folder) -> std::vector<std::string> {
         runCli({"--simulate=s.bin", "--trace=t.pcapng", "info", "--device=D" + h}, folder.path());
         return {"trace", "t.pcapng"};
     }},
    {"ReplayedDeviceList", false,
     [](const std::string& h, ScratchFolder& folder) -> std::vector<std::string> {
         writeFile(folder.file("r.pcapng"), replayOfDevice("P" + h, "S" + h));
         return {"--replay=r.pcapng", "list"};
     }},
};

TEST(OutsideTextOfEachKind, EveryCommandShowsItEscaped) {
    for (const Command& command : kCommands) {
        for (const Sample& sample : kSamples) {
            SCOPED_TRACE(std::string(command.name) + " " + sample.name);
#ifdef _WIN32
            if (command.fileName && !sample.inNames) continue;  // no control character or backslash there
            // Arguments reach a Windows program as UTF-16: bytes that are not UTF-8
            // cannot be passed, only read from a file.
            if (std::string_view(sample.name) == "InvalidUtf8" &&
                std::string_view(command.name) != "ReplayedDeviceList")
                continue;
#endif
            ScratchFolder folder;
            ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
            ASSERT_EQ(runCli({"encode", "base.cfg", "-o", "good.bin"}, folder.path()).status, 0);
            const CliRun r = runCli(command.place(sample.raw, folder), folder.path());
            EXPECT_GE(r.status, 0);
            EXPECT_EQ(firstRawControl(r.out), "");
            EXPECT_EQ(firstRawControl(r.err), "");
            EXPECT_NE((r.out + r.err).find(sample.shown), std::string::npos) << r.out << r.err;
        }
    }
}

// A value from a file is quoted with its controls escaped; a backslash in it
// reads as the escape the quoting gives it, never as a control.
TEST(OutsideTextOfEachKind, ValuesFromAFileAreEscaped) {
    const struct {
        std::vector<std::string> args;
        std::string shown;
    } cases[] = {
        {{"diff", "defaults", "odd.cfg"}, "Radio.Callsign: \"NOCALL\" -> \"N\\x1B[2J\\x07\\\\x1B\""},
        {{"check", "odd.cfg"}, "\"N\\x1B[2J\\x07\\\\x1B\" is not a valid AX.25 address"},
    };
    ScratchFolder folder;
    ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
    std::string file = readFile(folder.file("base.cfg"));
    file.replace(file.find("Callsign=NOCALL"), 15, "Callsign=N\x1b[2J\x07\\x1B");
    writeFile(folder.file("odd.cfg"), file);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front());
        const CliRun r = runCli(c.args, folder.path());
        EXPECT_EQ(firstRawControl(r.out + r.err), "");
        EXPECT_NE(r.out.find(c.shown), std::string::npos) << r.out;
    }
}

}  // namespace
}  // namespace zeru::test
