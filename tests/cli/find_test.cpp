// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli find through the real executable: the hits' lines, the values of
// --file, and what it does with no hit or a file it cannot read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace zeru::test {
namespace {

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST(Find, PrintsKeyPlaceAndValueBestFirst) {
    ScratchFolder folder;
    ASSERT_EQ(runCli({"defaults", "-o", "base.cfg"}, folder.path()).status, 0);
    std::string raw = readFile(folder.file("base.cfg"));
    raw.replace(raw.find("Beacon2_path1_string=WIDE1"), 26, "Beacon2_path1_string=Z\xC9\"1");
    writeFile(folder.file("changed.cfg"), raw);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string first;  // the first line of standard output
        std::string err;    // found in standard error
    };
    const Case cases[] = {
        {{"find", "path", "beacon", "2"},
         0,
         "Beacons.Beacon2_path1_string\tBeacons › Beacon 2 › Path 1\t\"WIDE1\"",
         ""},
        {{"find", "kiss"},
         0,
         "Debug.Debug_kiss\tExternal interfaces › Serial console › Console debug messages › "
         "KISS\t\"Enabled\"",
         ""},
        // The file's value, shown in UTF-8, found by its words with the accent dropped.
        {{"find", "ze", "--file", "changed.cfg"},
         0,
         "Beacons.Beacon2_path1_string\tBeacons › Beacon 2 › Path 1\t\"Z\xC3\x89\\\"1\"",
         ""},
        {{"find", "zebra"}, 0, "No setting found.", ""},
        {{"find"}, 1, "", "WORDS is required"},
        {{"find", "kiss", "--file", "missing.cfg"}, 3, "", "missing.cfg does not exist."},
    };
    for (const Case& c : cases) {
        const CliRun r = runCli(c.args, folder.path());
        EXPECT_EQ(r.status, c.status) << c.args[1] << r.err;
        EXPECT_EQ(firstLine(r.out), c.first) << c.args[1];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace zeru::test
