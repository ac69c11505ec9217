// SPDX-License-Identifier: GPL-3.0-or-later
// defaults, encode, decode and verify: configuration files and images, no
// device.
#include <cstdio>
#include <memory>
#include <optional>

#include "cfgfile/config_file.h"
#include "cfgfile/file_replace.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/config_sources.h"
#include "cli/exit_status.h"
#include "image/codec.h"
#include "interaction/command.h"
#include "interaction/visible_text.h"
#include "settings/whole_number.h"

namespace zeru::cli {
namespace {

struct FileArguments {
    std::string input;
    std::string output;
    SetOptions sets;
};

int runEncode(const FileArguments& a, TerminalUi& ui) {
    SettingsModel settings = startupSettings(ui);
    if (int status = loadSettings(a.input, a.sets, settings, ui)) return status;
    ConfigImage image{};
    if (const Outcome encoded = EncodeConfiguration(settings, ui, image); !encoded)
        return exitStatus(encoded);
    const Outcome written = cfgfile::replaceFileContent(a.output, std::string(image.begin(), image.end()));
    if (!written) ui.error(Message::fromUtf8(errorBoxText(written.failure().text)));
    return exitStatus(written);
}

int runDecode(const FileArguments& a, TerminalUi& ui) {
    const Result<ConfigImage> image = readVerifiedImage(a.input);
    if (!image) return showFailure(image.failure(), ui);
    SettingsModel settings = startupSettings(ui);
    if (const Outcome decoded = DecodeConfiguration(*image, settings, ui); !decoded)
        return exitStatus(decoded);
    return saveSettings(settings, a.output, ui);
}

}  // namespace

void addDefaultsCommand(CommandSet& commands) {
    auto a = std::make_shared<FileArguments>();
    CLI::App& command = commands.add(
        "defaults", "Saves the start-up settings (with the telemetry presets) as \"Save to file\" would.",
        [a](CommandContext& c) {
            SettingsModel settings = startupSettings(c.ui);
            return saveSettings(settings, a->output, c.ui);
        });
    addOutputOption(command, "OUT.cfg", a->output);
}

void addEncodeCommand(CommandSet& commands) {
    auto a = std::make_shared<FileArguments>();
    CLI::App& command = commands.add(
        "encode",
        "Loads IN.cfg as \"Read from file\" does, validates and encodes it; writes the 7168-byte "
        "image.",
        [a](CommandContext& c) { return runEncode(*a, c.ui); });
    addInputArgument(command, "IN.cfg", a->input);
    addOutputOption(command, "OUT.bin", a->output);
    addSetOption(command, a->sets);
}

void addDecodeCommand(CommandSet& commands) {
    auto a = std::make_shared<FileArguments>();
    CLI::App& command =
        commands.add("decode",
                     "Checks an image and decodes it over the start-up settings (rules included); saves the "
                     "settings.",
                     [a](CommandContext& c) { return runDecode(*a, c.ui); });
    addInputArgument(command, "IN.bin", a->input);
    addOutputOption(command, "OUT.cfg", a->output);
}

void addVerifyCommand(CommandSet& commands) {
    auto a = std::make_shared<FileArguments>();
    CLI::App& command =
        commands.add("verify", "Checks the checksum and end marker of an image.", [a](CommandContext& c) {
            if (const Result<ConfigImage> image = readVerifiedImage(a->input); !image)
                return showFailure(image.failure(), c.ui);
            std::printf("%s: checksum and end marker are right.\n", visibleText(a->input).c_str());
            return int{kSuccess};
        });
    addInputArgument(command, "IN.bin", a->input);
}

}  // namespace zeru::cli
