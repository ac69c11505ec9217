// SPDX-License-Identifier: GPL-3.0-or-later
// The files a zeru-cli command line names, and what each is for: an output
// must never be a file the same run reads or writes otherwise (the input, the
// simulator's state, the replayed trace, the trace being recorded), or the
// run would destroy what it works from.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/global_options.h"

namespace zeru::cli {

struct NamedFile {
    std::string path;
    const char* role;  // "input", "simulator state", "replayed trace", "trace", "output file"
    bool read;
    bool written;
};

// The files of a parsed command line: the command's own (every positional
// argument names a file it reads, -o the one it writes) and the tool's
// (--replay, --simulate, --trace), inputs first.
std::vector<NamedFile> namedFiles(const CLI::App& command, const GlobalOptions& global);

// Whether `a` and `b` are one file: the same file on the disk when both
// exist, else the same path once resolved.
bool sameFile(const std::string& a, const std::string& b);

// The refusal when a file written is also another of `files`: "The output
// file OUT is also the input IN." (or the simulator state, the replayed
// trace, the trace); nothing when every file written stands alone.
std::optional<std::string> outputAlsoInput(const std::vector<NamedFile>& files);

}  // namespace zeru::cli
