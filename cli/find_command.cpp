// SPDX-License-Identifier: GPL-3.0-or-later
// find WORDS: the settings a user's words name, best first, as the window's
// and the page's search box lists them, each with its file key.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/config_sources.h"
#include "cli/exit_status.h"
#include "compare/comparison.h"
#include "interaction/visible_text.h"
#include "search/setting_search.h"

namespace zeru::cli {
namespace {

struct FindArguments {
    std::vector<std::string> words;
    std::string file;  // --file: whose values are shown and searched; the defaults without it
};

int runFind(const FindArguments& a, CommandContext& c) {
    SettingsModel settings = startupSettings(c.ui);
    if (!a.file.empty())
        if (int status = loadSource(a.file, c.global, settings, c.ui)) return status;
    std::string words;
    for (const std::string& word : a.words) words += (words.empty() ? "" : " ") + word;
    const std::vector<search::Hit> hits = search::SettingSearch().find(words, settings);
    for (const search::Hit& hit : hits)
        std::printf("%s\t%s\t%s\n", hit.fileKey.c_str(), visibleText(hit.place).c_str(),
                    visibleLine(compare::quoted(hit.value)).c_str());
    if (hits.empty()) std::printf("No setting found.\n");
    return kSuccess;
}

}  // namespace

void addFindCommand(CommandSet& commands) {
    auto a = std::make_shared<FindArguments>();
    CLI::App& command = commands.add(
        "find",
        "Finds settings by the words of their label, name, file key, tooltip, choices or value, best first: "
        "one line per setting, its file key, its place in the form and its value, separated by tabs.",
        [a](CommandContext& c) { return runFind(*a, c); });
    command.add_option("WORDS", a->words)->required();
    command
        .add_option("--file", a->file, "the values of this .cfg file or .bin image instead of the defaults")
        ->type_name("FILE");
}

}  // namespace zeru::cli
