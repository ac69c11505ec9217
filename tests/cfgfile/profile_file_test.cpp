// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/profile_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zeru::cfgfile {
namespace {

TEST(ProfileFileRead, Lookups) {
    struct Row {
        const char* name;
        std::string file;
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"exact", "[Radio]\r\nCallsign=SP1\r\n", "Radio", "Callsign", "SP1"},
        {"other case", "[rADIO]\r\nCALLSIGN=SP1\r\n", "Radio", "callsign", "SP1"},
        {"LF endings", "[Radio]\nCallsign=SP1\nSSID=3\n", "Radio", "SSID", "3"},
        {"no final line end", "[Radio]\r\nCallsign=SP1", "Radio", "Callsign", "SP1"},
        {"same key, other section", "[Beacons]\r\nCallsign=X\r\n[Radio]\r\n", "Radio", "Callsign",
         std::nullopt},
        {"key before any section", "Callsign=X\r\n[Radio]\r\n", "Radio", "Callsign", std::nullopt},
        {"section absent", "[Beacons]\r\nCallsign=X\r\n", "Radio", "Callsign", std::nullopt},
        {"empty value is a value", "[Radio]\r\nCallsign=\r\n", "Radio", "Callsign", ""},
        {"value kept as it stands", "[P]\r\nStatus= \"a=b\" ;c \r\n", "P", "Status", " \"a=b\" ;c "},
        {"blanks around a key name", "[P]\r\n  Status\t=x\r\n", "P", "Status", "x"},
        {"section line with blanks", "  [ P ]  trailing\r\nk=v\r\n", "P", "k", "v"},
        {"first duplicate counts", "[P]\r\nk=1\r\nk=2\r\n[P]\r\nk=3\r\n", "P", "k", "1"},
        {"first section counts", "[P]\r\n[Q]\r\n[P]\r\nk=3\r\n", "P", "k", std::nullopt},
        {"comment line is no entry", "[P]\r\n;k=1\r\nk=2\r\n", "P", "k", "2"},
        {"Latin-1 bytes", "[P]\r\nk=caf\xE9\r\n", "P", "k", "caf\xE9"},
        {"a lone CR ends a line", "[P]\r\nk=a\rb\r\n", "P", "k", "a"},
        {"CR-only line ends", "[Q]\rk=1\r[P]\rk=2\r", "P", "k", "2"},
        {"byte-order mark before the first section", "\xEF\xBB\xBF[P]\r\nk=1\r\n", "P", "k", "1"},
        {"byte-order mark elsewhere is text", "[Q]\r\n\xEF\xBB\xBF[P]\r\nk=1\r\n", "P", "k", std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ProfileFile file(r.file);
        EXPECT_EQ(file.value(r.section, r.key), r.expected);
        EXPECT_EQ(file.read(r.section, r.key, "dflt"), r.expected.value_or("dflt"));
    }
}

TEST(ProfileFileRead, ValueReadBackUpTo2047Characters) {
    for (std::size_t length : {2046u, 2047u, 2048u, 5000u}) {
        const std::string value(length, 'v');
        ProfileFile file;
        file.write("S", "k", value);
        EXPECT_EQ(file.value("S", "k"), value.substr(0, 2047)) << length;
        // The file itself keeps the whole value.
        EXPECT_EQ(file.bytes(), "[S]\r\nk=" + value + "\r\n");
    }
}

TEST(ProfileFileWrite, Placement) {
    struct Row {
        const char* name;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const Row rows[] = {
        {"new file", "", "Radio", "Callsign", "SP1", "[Radio]\r\nCallsign=SP1\r\n"},
        {"replaced in place, spelled as written", "[radio]\nA=1\ncallsign=old\nB=2\n", "Radio", "Callsign",
         "SP1", "[radio]\nA=1\nCallsign=SP1\r\nB=2\n"},
        {"new key ends its section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "a", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n"},
        {"new key before the blank lines that end a section", "[A]\r\nx=1\r\n\r\n \r\n[B]\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n \r\n[B]\r\n"},
        {"new key after a section's last comment", "[A]\r\nx=1\r\n; note\r\n\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\n; note\r\nz=3\r\n\r\n"},
        {"empty section", "[A]\n\n[B]\n", "A", "z", "3", "[A]\nz=3\r\n\n[B]\n"},
        {"new key in the last section", "[A]\r\nx=1\r\n", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n"},
        {"last line without line end", "[A]\r\nx=1", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n"},
        {"new section at the end", "; top\r\n[A]\r\nx=1\r\n\r\n", "B", "y", "2",
         "; top\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"new section after a line without line end", "[A]\nx=1", "B", "y", "2",
         "[A]\nx=1\r\n[B]\r\ny=2\r\n"},
        {"same key in another section untouched", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n", "B", "K", "9",
         "[A]\r\nk=1\r\n[B]\r\nK=9\r\n"},
        {"empty value", "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
        {"later copies of the section go",
         "[A]\r\nk=1\r\n[B]\r\nx=1\r\n\r\n[a]\r\nk=2\r\nz=3\r\n[A]\r\n[C]\r\n", "A", "k", "9",
         "[A]\r\nk=9\r\n[B]\r\nx=1\r\n\r\n[C]\r\n"},
        {"later copies of the key go", "[A]\r\nk=1\r\nx=1\r\nK=2\r\n", "A", "k", "9",
         "[A]\r\nk=9\r\nx=1\r\n"},
        {"copies of a section not written stay", "[B]\r\nx=1\r\n[B]\r\nx=2\r\n", "A", "k", "9",
         "[B]\r\nx=1\r\n[B]\r\nx=2\r\n[A]\r\nk=9\r\n"},
        {"CR-only lines keep their ends", "[A]\rk=1\rx=1\r[B]\r", "A", "k", "9", "[A]\rk=9\r\nx=1\r[B]\r"},
        {"new key in a CR-only section", "[A]\rx=1\r[B]\r", "A", "z", "3", "[A]\rx=1\rz=3\r\n[B]\r"},
        {"new section after a CR-only line", "[A]\rx=1\r", "B", "y", "2", "[A]\rx=1\r[B]\r\ny=2\r\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "2", "\xEF\xBB\xBF[A]\nk=2\r\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ProfileFile file(r.before);
        file.write(r.section, r.key, r.value);
        EXPECT_EQ(file.bytes(), r.after);
        EXPECT_EQ(file.value(r.section, r.key), r.value);
    }
}

TEST(ProfileFileWrite, UnknownContentKeptByteForByte) {
    const std::string content =
        "\xEF\xBB\xBF; written by hand\n"
        "[Extra]\r\n"
        "weird line without equals\n"
        "quoted=\"  spaced  \"\r\n"
        "\r\n"
        "[Radio]\n"
        "Antenna=dipole \xB0\n"
        "Callsign=OLD\r\n"
        "tail without line end";
    EXPECT_EQ(ProfileFile(content).bytes(), content);  // parsing alone changes nothing

    ProfileFile file(content);
    file.write("Radio", "Callsign", "NEW");
    std::string expected = content;
    expected.replace(expected.find("Callsign=OLD"), 12, "Callsign=NEW");
    EXPECT_EQ(file.bytes(), expected);
}

TEST(ProfileFileWrite, RefusesWhatCannotStandOnOneLine) {
    struct Row {
        const char* section;
        const char* key;
        const char* value;
    };
    const Row rows[] = {
        {"S", "k", "a\r\n[Radio]\r\nCallsign=X"},
        {"S", "k", "a\nb"},
        {"S", "k", "a\rb"},
        {"S", "k=x", "v"},
        {"S", "k\n", "v"},
        {"S]", "k", "v"},
        {"S\n", "k", "v"},
    };
    for (const Row& r : rows) {
        ProfileFile file("[S]\r\nk=old\r\n");
        EXPECT_THROW(file.write(r.section, r.key, r.value), std::invalid_argument) << r.key << " " << r.value;
        EXPECT_EQ(file.bytes(), "[S]\r\nk=old\r\n");
    }
}

}  // namespace
}  // namespace zeru::cfgfile
